#pragma once
// A picture over a GDI+ Image. A picture loaded from bytes keeps the stream GDI+ reads it from
// for as long as it lives.
#include "drawing/byte_stream.h"
#include "drawing/object.h"

namespace drawing {

// The time dimension of animated pictures, and the PNG encoder the skin saves with.
inline constexpr std::string_view frame_dimension_time = "{6AEDBD6D-3FB5-418A-83A6-7F45229DC872}";
inline constexpr std::string_view png_encoder = "{B96B3CAF-0728-11D3-9D7B-0000F81EF32E}";

// One encoder parameter, unpacked from the flat list.
struct EncoderParameterRecord {
  std::string guid;  // registry format
  ULONG value_count = 0;
  ULONG value_type = 0;
  std::vector<BYTE> values;
};

// The flat list: a 32-bit count, then per parameter GUID (16 bytes), number of values (4),
// value type (4) and a pointer to the values (4).
std::vector<EncoderParameterRecord> unpack_encoder_parameters(const BYTE* flat);

struct Palette {
  UINT flags = 0;
  std::vector<ARGB> entries;
};

struct PropertyRecord {
  PROPID id = 0;
  WORD type = 0;
  std::vector<BYTE> value;
};

class Image : public Handled<GpImage> {
 public:
  Image() : Handled(DRAWING_RELEASE(GdipDisposeImage)) {}

  bool dispose_image() { return delete_native(); }                            // 8 (and its stream)
  bool load_image_from_file(std::string_view file);                           // 9
  bool load_image_from_file(std::string_view file, bool icm);                 // 10
  bool load_image_from_stream(std::span<const BYTE> bytes, bool icm = false);  // 11, from bytes
  DRAWING_OP(clone_image, GdipCloneImage)                                     // 12 (into an Image)
  std::vector<EncoderParameterRecord> get_encoder_parameter_list(             // 13
      std::string_view encoder) const;
  DRAWING_OP(save_image_to_file, GdipSaveImageToFile)                         // 14 (file, CLSID, params)
  bool save_image_to_file(std::string_view file, std::string_view encoder) const;  // 15
  // 16, to bytes: empty on failure; the encoder defaults to the picture's raw format.
  std::vector<BYTE> save_image_to_stream(std::string_view encoder = {},
                                         const Gdiplus::EncoderParameters* parameters = nullptr) const;
  DRAWING_OP(save_add, GdipSaveAdd)                                           // 17
  DRAWING_OP(save_add_image, GdipSaveAddImage)                                // 18
  DRAWING_GET(get_image_type, GdipGetImageType)                               // 19
  DRAWING_OP(get_image_dimension, GdipGetImageDimension)                      // 20 (REAL&, REAL&)
  DRAWING_OP(get_image_bounds, GdipGetImageBounds)                            // 21 (RectF&, Unit&)
  DRAWING_GET(get_image_width, GdipGetImageWidth)                             // 22
  DRAWING_GET(get_image_height, GdipGetImageHeight)                           // 23
  DRAWING_GET(get_image_horizontal_resolution, GdipGetImageHorizontalResolution)  // 24
  DRAWING_GET(get_image_vertical_resolution, GdipGetImageVerticalResolution)  // 25
  DRAWING_GET(get_image_flags, GdipGetImageFlags)                             // 26
  std::string get_image_raw_format() const;                                   // 27
  DRAWING_GET(get_image_pixel_format, GdipGetImagePixelFormat)                // 28
  Palette get_image_palette() const;                                          // 29
  bool set_image_palette(const Palette& palette) const;                       // 30
  DRAWING_OP(get_image_thumbnail, GdipGetImageThumbnail)                      // 31 (w, h, Image&, ...)
  DRAWING_GET(image_get_frame_count, GdipImageGetFrameCount)                  // 32 (dimension text)
  std::vector<std::string> image_get_frame_dimensions_list() const;           // 33
  DRAWING_OP(image_select_active_frame, GdipImageSelectActiveFrame)           // 34 (text, 0-based)
  DRAWING_OP(image_rotate_flip, GdipImageRotateFlip)                          // 35
  bool frame_delays(std::vector<INT32>& delays) const;                        // 36, item 0x5100
  bool get_property_item(PROPID id, PropertyRecord& item) const;              // 37
  bool set_property_item(const PropertyRecord& item) const;                   // 38
  DRAWING_OP(remove_property_item, GdipRemovePropertyItem)                    // 39
  DRAWING_LIST(get_property_id_list, PROPID, GdipGetPropertyCount,            // 40
               GdipGetPropertyIdList)

 protected:
  // A picture read by `load` from a new stream holding the bytes; the stream stays with it.
  template <typename Native>
  bool adopt_from_bytes(std::span<const BYTE> bytes, Status(WINGDIPAPI* load)(IStream*, Native**)) {
    ByteStream stream;
    if (!stream.load(bytes)) return record(Gdiplus::InvalidParameter);
    Native* picture = nullptr;
    if (detail::forward<0>(load, std::tuple(), stream.stream(), picture) != Gdiplus::Ok) return false;
    set_native(picture, stream);
    return true;
  }
};

}  // namespace drawing
