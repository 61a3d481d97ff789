#include "drawing/graphics.h"

namespace drawing {

bool Graphics::create_from_hwnd(HWND window, bool icm) {
  return detail::forward<0>(icm ? DRAWING_FLAT(GdipCreateFromHWNDICM) : DRAWING_FLAT(GdipCreateFromHWND),
                            std::tuple(), window, *this) == Gdiplus::Ok;
}

bool Graphics::create_from_hdc(HDC dc, HANDLE device) {
  if (device) {
    return detail::forward<0>(DRAWING_FLAT(GdipCreateFromHDC2), std::tuple(), dc, device, *this) ==
           Gdiplus::Ok;
  }
  return detail::forward<0>(DRAWING_FLAT(GdipCreateFromHDC), std::tuple(), dc, *this) == Gdiplus::Ok;
}

std::vector<Region> Graphics::measure_character_ranges(std::string_view text, const Font& font,
                                                       const RectF& layout,
                                                       const StringFormat& format) const {
  const INT count = format.get_string_format_measurable_character_range_count();
  if (last_status != Gdiplus::Ok || count <= 0) return {};
  std::vector<Region> regions(static_cast<std::size_t>(count));
  std::vector<GpRegion*> natives;
  for (Region& region : regions) {
    if (!region.create_region()) return {};
    natives.push_back(region.handle());
  }
  if (detail::forward<1>(DRAWING_FLAT(GdipMeasureCharacterRanges), std::tuple(handle()), text, font,
                         layout, format, count, natives.data()) != Gdiplus::Ok) {
    return {};
  }
  return regions;
}

std::vector<Region> Graphics::measure_character_ranges(std::string_view text, const Font& font,
                                                       REAL x, REAL y, REAL width, REAL height,
                                                       const StringFormat& format) const {
  return measure_character_ranges(text, font, RectF(x, y, width, height), format);
}

bool Graphics::draw_image(const Image& image, REAL x, REAL y, REAL width, REAL height,
                          Gdiplus::Unit source_unit) const {
  return draw_whole_image(DRAWING_FLAT(GdipDrawImageRectRect), image, x, y, width, height,
                          source_unit);
}

bool Graphics::draw_image_i(const Image& image, INT x, INT y, INT width, INT height,
                            Gdiplus::Unit source_unit) const {
  return draw_whole_image(DRAWING_FLAT(GdipDrawImageRectRectI), image, x, y, width, height,
                          source_unit);
}

}  // namespace drawing
