#include "drawing/image.h"

#include <cstring>

namespace drawing {
namespace {

std::size_t value_size(ULONG type) {
  switch (type) {
    case Gdiplus::EncoderParameterValueTypeShort: return 2;
    case Gdiplus::EncoderParameterValueTypeLong: return 4;
    case Gdiplus::EncoderParameterValueTypeRational:
    case Gdiplus::EncoderParameterValueTypeLongRange: return 8;
    case Gdiplus::EncoderParameterValueTypeRationalRange: return 16;
    case Gdiplus::EncoderParameterValueTypePointer: return sizeof(void*);
    default: return 1;  // bytes, ASCII, undefined
  }
}

// A size query, then a buffer of that size filled by the second call: the flat API's way of
// handing back variable-length records.
template <typename SizeCall, typename FillCall>
std::vector<BYTE> sized_buffer(SizeCall size_call, FillCall fill_call) {
  const auto size = size_call();
  if (last_status != Gdiplus::Ok || size <= 0) return {};
  std::vector<BYTE> buffer(static_cast<std::size_t>(size));
  if (!fill_call(size, buffer.data())) return {};
  return buffer;
}

// An encoder's CLSID for either its own CLSID or the format it writes (a picture's raw format,
// or the PNG format GUID the skin passes), so that both name an encoder.
bool encoder_for(const GUID& wanted, CLSID& encoder) {
  UINT count = 0, size = 0;
  const auto sizes = DRAWING_FLAT(GdipGetImageEncodersSize);
  const auto encoders = DRAWING_FLAT(GdipGetImageEncoders);
  if (!sizes || !encoders || sizes(&count, &size) != Gdiplus::Ok || size == 0) return false;
  std::vector<BYTE> buffer(size);
  auto* codecs = reinterpret_cast<Gdiplus::ImageCodecInfo*>(buffer.data());
  if (encoders(count, size, codecs) != Gdiplus::Ok) return false;
  for (UINT i = 0; i < count; ++i) {
    if (codecs[i].Clsid == wanted || codecs[i].FormatID == wanted) {
      encoder = codecs[i].Clsid;
      return true;
    }
  }
  return false;
}

}  // namespace

std::vector<EncoderParameterRecord> unpack_encoder_parameters(const BYTE* flat) {
  UINT32 count = 0;
  std::memcpy(&count, flat, 4);
  std::vector<EncoderParameterRecord> records(count);
  for (UINT32 i = 0; i < count; ++i) {
    const BYTE* record = flat + 4 + i * 28;
    GUID guid;
    const BYTE* values = nullptr;
    std::memcpy(&guid, record, 16);
    std::memcpy(&records[i].value_count, record + 16, 4);
    std::memcpy(&records[i].value_type, record + 20, 4);
    std::memcpy(&values, record + 24, 4);
    records[i].guid = guid_text(guid);
    if (values) {
      const std::size_t bytes = records[i].value_count * value_size(records[i].value_type);
      records[i].values.assign(values, values + bytes);
    }
  }
  return records;
}

bool Image::load_image_from_file(std::string_view file) { return load_image_from_file(file, false); }

bool Image::load_image_from_file(std::string_view file, bool icm) {
  return detail::forward<0>(icm ? DRAWING_FLAT(GdipLoadImageFromFileICM)
                                : DRAWING_FLAT(GdipLoadImageFromFile),
                            std::tuple(), file, *this) == Gdiplus::Ok;
}

bool Image::load_image_from_stream(std::span<const BYTE> bytes, bool icm) {
  return adopt_from_bytes(bytes, icm ? DRAWING_FLAT(GdipLoadImageFromStreamICM)
                                     : DRAWING_FLAT(GdipLoadImageFromStream));
}

std::vector<EncoderParameterRecord> Image::get_encoder_parameter_list(
    std::string_view encoder) const {
  const std::vector<BYTE> flat = sized_buffer(
      [&] {
        UINT size = 0;
        detail::forward<1>(DRAWING_FLAT(GdipGetEncoderParameterListSize), std::tuple(handle()),
                           encoder, size);
        return size;
      },
      [&](UINT size, BYTE* buffer) {
        return detail::forward<1>(DRAWING_FLAT(GdipGetEncoderParameterList), std::tuple(handle()),
                                  encoder, size,
                                  reinterpret_cast<Gdiplus::EncoderParameters*>(buffer)) ==
               Gdiplus::Ok;
      });
  return flat.empty() ? std::vector<EncoderParameterRecord>{} : unpack_encoder_parameters(flat.data());
}

bool Image::save_image_to_file(std::string_view file, std::string_view encoder) const {
  return save_image_to_file(file, encoder, nullptr);
}

std::vector<BYTE> Image::save_image_to_stream(std::string_view encoder,
                                              const Gdiplus::EncoderParameters* parameters) const {
  GUID wanted{};
  if (encoder.empty() ? !parse_guid(get_image_raw_format(), wanted) : !parse_guid(encoder, wanted)) {
    record(Gdiplus::InvalidParameter);
    return {};
  }
  CLSID clsid{};
  if (!encoder_for(wanted, clsid)) {
    record(Gdiplus::UnknownImageFormat);
    return {};
  }
  IStream* target = nullptr;
  if (FAILED(CreateStreamOnHGlobal(nullptr, FALSE, &target))) {
    record(Gdiplus::OutOfMemory);
    return {};
  }
  ByteStream stream;
  if (!stream.take_over(target)) {
    target->Release();
    record(Gdiplus::Win32Error);
    return {};
  }
  if (detail::forward<1>(DRAWING_FLAT(GdipSaveImageToStream), std::tuple(handle()), target, clsid,
                         parameters) != Gdiplus::Ok) {
    return {};
  }
  return stream.read_back();
}

std::string Image::get_image_raw_format() const {
  GUID format{};
  detail::forward<1>(DRAWING_FLAT(GdipGetImageRawFormat), std::tuple(handle()), format);
  return last_status == Gdiplus::Ok ? guid_text(format) : std::string();
}

Palette Image::get_image_palette() const {
  const std::vector<BYTE> flat = sized_buffer(
      [&] {
        INT size = 0;
        detail::forward<1>(DRAWING_FLAT(GdipGetImagePaletteSize), std::tuple(handle()), size);
        return size;
      },
      [&](INT size, BYTE* buffer) {
        return detail::forward<1>(DRAWING_FLAT(GdipGetImagePalette), std::tuple(handle()),
                                  reinterpret_cast<Gdiplus::ColorPalette*>(buffer), size) ==
               Gdiplus::Ok;
      });
  Palette palette;
  if (flat.size() < 8) return palette;
  const auto* flat_palette = reinterpret_cast<const Gdiplus::ColorPalette*>(flat.data());
  palette.flags = flat_palette->Flags;
  palette.entries.assign(flat_palette->Entries, flat_palette->Entries + flat_palette->Count);
  return palette;
}

bool Image::set_image_palette(const Palette& palette) const {
  std::vector<UINT> flat(2 + palette.entries.size());
  flat[0] = palette.flags;
  flat[1] = static_cast<UINT>(palette.entries.size());
  std::memcpy(flat.data() + 2, palette.entries.data(), palette.entries.size() * sizeof(ARGB));
  return detail::forward<1>(DRAWING_FLAT(GdipSetImagePalette), std::tuple(handle()),
                            reinterpret_cast<const Gdiplus::ColorPalette*>(flat.data())) ==
         Gdiplus::Ok;
}

std::vector<std::string> Image::image_get_frame_dimensions_list() const {
  const auto guids = detail::read_list<GUID>(DRAWING_FLAT(GdipImageGetFrameDimensionsCount),
                                             DRAWING_FLAT(GdipImageGetFrameDimensionsList),
                                             handle());
  std::vector<std::string> texts;
  for (const GUID& guid : guids) texts.push_back(guid_text(guid));
  return texts;
}

bool Image::frame_delays(std::vector<INT32>& delays) const {
  PropertyRecord item;
  if (!get_property_item(PropertyTagFrameDelay, item)) return false;
  delays.assign(item.value.size() / 4, 0);
  std::memcpy(delays.data(), item.value.data(), delays.size() * 4);
  return true;
}

bool Image::get_property_item(PROPID id, PropertyRecord& item) const {
  const std::vector<BYTE> flat = sized_buffer(
      [&] {
        UINT size = 0;
        detail::forward<1>(DRAWING_FLAT(GdipGetPropertyItemSize), std::tuple(handle()), id, size);
        return size;
      },
      [&](UINT size, BYTE* buffer) {
        return detail::forward<1>(DRAWING_FLAT(GdipGetPropertyItem), std::tuple(handle()), id, size,
                                  reinterpret_cast<Gdiplus::PropertyItem*>(buffer)) == Gdiplus::Ok;
      });
  if (flat.size() < sizeof(Gdiplus::PropertyItem)) return false;
  const auto* flat_item = reinterpret_cast<const Gdiplus::PropertyItem*>(flat.data());
  item.id = flat_item->id;
  item.type = flat_item->type;
  const auto* value = static_cast<const BYTE*>(flat_item->value);
  item.value.assign(value, value + flat_item->length);
  return true;
}

bool Image::set_property_item(const PropertyRecord& item) const {
  Gdiplus::PropertyItem flat{};
  flat.id = item.id;
  flat.length = static_cast<ULONG>(item.value.size());
  flat.type = item.type;
  flat.value = const_cast<BYTE*>(item.value.data());
  return detail::forward<1>(DRAWING_FLAT(GdipSetPropertyItem), std::tuple(handle()), flat) ==
         Gdiplus::Ok;
}

}  // namespace drawing
