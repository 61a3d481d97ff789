#pragma once
// A raster picture over a GDI+ Bitmap: an Image with the bitmap operations at slots 41-59.
#include "drawing/image.h"

namespace drawing {

class Bitmap : public Handled<GpBitmap, Image> {
 public:
  Bitmap() = default;

  // Slots 9-11 create bitmaps instead of loading images.
  bool load_image_from_file(std::string_view, bool = false) = delete;
  bool load_image_from_stream(std::span<const BYTE>, bool = false) = delete;
  bool create_bitmap_from_file(std::string_view file, bool icm = false);               // 9-10
  bool create_bitmap_from_stream(std::span<const BYTE> bytes, bool icm = false);       // 11

  DRAWING_CREATE(create_bitmap_from_scan0, GdipCreateBitmapFromScan0)  // 41 (w, h, stride, format, bits)
  bool create_bitmap_from_scan0(INT width, INT height,                                  // 42
                                Gdiplus::PixelFormat format = PixelFormat32bppARGB) {
    return create_bitmap_from_scan0(width, height, 0, format, nullptr);
  }
  DRAWING_CREATE(create_bitmap_from_graphics, GdipCreateBitmapFromGraphics)            // 43
  DRAWING_CREATE(create_bitmap_from_gdi_dib, GdipCreateBitmapFromGdiDib)               // 44
  DRAWING_CREATE(create_bitmap_from_hbitmap, GdipCreateBitmapFromHBITMAP)              // 45
  DRAWING_CREATE(create_bitmap_from_hicon, GdipCreateBitmapFromHICON)                  // 46
  DRAWING_CREATE(create_bitmap_from_resource, GdipCreateBitmapFromResource)            // 47
  HBITMAP create_hbitmap_from_bitmap(ARGB background) const;                           // 48 (caller owns)
  DRAWING_GET(create_hicon_from_bitmap, GdipCreateHICONFromBitmap)                     // 49 (caller owns)
  bool clone_bitmap_area(REAL x, REAL y, REAL width, REAL height,                      // 50
                         Gdiplus::PixelFormat format, Bitmap& target) const;
  bool clone_bitmap_area_i(INT x, INT y, INT width, INT height,                        // 51
                           Gdiplus::PixelFormat format, Bitmap& target) const;
  DRAWING_OP(bitmap_lock_bits, GdipBitmapLockBits)                                     // 52
  DRAWING_OP(bitmap_unlock_bits, GdipBitmapUnlockBits)                                 // 53
  DRAWING_GET(bitmap_get_pixel, GdipBitmapGetPixel)                                    // 54
  DRAWING_OP(bitmap_set_pixel, GdipBitmapSetPixel)                                     // 55
  DRAWING_OP(bitmap_set_resolution, GdipBitmapSetResolution)                           // 56
  DRAWING_OP(bitmap_apply_effect, GdipBitmapApplyEffect)                               // 57
  // 58: the picture turned by `angle` degrees about its centre, on a background colour, in a
  // bitmap just large enough to hold it; empty on failure.
  Bitmap rotated_copy(REAL angle, ARGB background = 0,
                      Gdiplus::InterpolationMode interpolation =
                          Gdiplus::InterpolationModeHighQualityBicubic) const;
  static SizeF rotated_size(REAL width, REAL height, REAL angle);                      // 59
};

}  // namespace drawing
