#include "drawing/bitmap.h"

#include <algorithm>
#include <cmath>

#include "drawing/graphics.h"

namespace drawing {

bool Bitmap::create_bitmap_from_file(std::string_view file, bool icm) {
  return detail::forward<0>(icm ? DRAWING_FLAT(GdipCreateBitmapFromFileICM)
                                : DRAWING_FLAT(GdipCreateBitmapFromFile),
                            std::tuple(), file, *this) == Gdiplus::Ok;
}

bool Bitmap::create_bitmap_from_stream(std::span<const BYTE> bytes, bool icm) {
  return adopt_from_bytes(bytes, icm ? DRAWING_FLAT(GdipCreateBitmapFromStreamICM)
                                     : DRAWING_FLAT(GdipCreateBitmapFromStream));
}

HBITMAP Bitmap::create_hbitmap_from_bitmap(ARGB background) const {
  HBITMAP result = nullptr;
  detail::forward<1>(DRAWING_FLAT(GdipCreateHBITMAPFromBitmap), std::tuple(handle()), result,
                     background);
  return result;
}

bool Bitmap::clone_bitmap_area(REAL x, REAL y, REAL width, REAL height,
                               Gdiplus::PixelFormat format, Bitmap& target) const {
  return detail::forward<0>(DRAWING_FLAT(GdipCloneBitmapArea), std::tuple(), x, y, width, height,
                            format, *this, target) == Gdiplus::Ok;
}

bool Bitmap::clone_bitmap_area_i(INT x, INT y, INT width, INT height, Gdiplus::PixelFormat format,
                                 Bitmap& target) const {
  return detail::forward<0>(DRAWING_FLAT(GdipCloneBitmapAreaI), std::tuple(), x, y, width, height,
                            format, *this, target) == Gdiplus::Ok;
}

Bitmap Bitmap::rotated_copy(REAL angle, ARGB background,
                            Gdiplus::InterpolationMode interpolation) const {
  Bitmap rotated;
  const REAL width = static_cast<REAL>(get_image_width());
  const REAL height = static_cast<REAL>(get_image_height());
  if (last_status != Gdiplus::Ok) return rotated;
  const SizeF size = rotated_size(width, height, angle);
  if (!rotated.create_bitmap_from_scan0(static_cast<INT>(size.Width), static_cast<INT>(size.Height))) {
    return rotated;
  }
  const REAL cx = static_cast<INT>(size.Width) / 2.0f;
  const REAL cy = static_cast<INT>(size.Height) / 2.0f;
  Graphics surface;  // deleted before the copy is handed out
  const bool drawn = surface.get_image_graphics_context(rotated) &&
                     surface.graphics_clear(background) &&
                     surface.set_interpolation_mode(interpolation) &&
                     surface.translate_world_transform(cx, cy, Gdiplus::MatrixOrderPrepend) &&
                     surface.rotate_world_transform(angle, Gdiplus::MatrixOrderPrepend) &&
                     surface.translate_world_transform(-cx, -cy, Gdiplus::MatrixOrderPrepend) &&
                     surface.draw_image(*this, cx - width / 2, cy - height / 2, width, height);
  surface.delete_graphics();
  if (!drawn) return Bitmap();
  rotated.bitmap_set_resolution(get_image_horizontal_resolution(), get_image_vertical_resolution());
  return rotated;
}

SizeF Bitmap::rotated_size(REAL width, REAL height, REAL angle) {
  const double radians = angle * 3.1415926535 / 180.0;
  const double c = std::cos(radians), s = std::sin(radians);
  const double xs[] = {0, width * c, width * c - height * s, -height * s};
  const double ys[] = {0, width * s, width * s + height * c, height * c};
  const auto [x_min, x_max] = std::minmax_element(std::begin(xs), std::end(xs));
  const auto [y_min, y_max] = std::minmax_element(std::begin(ys), std::end(ys));
  return SizeF(static_cast<REAL>(*x_max - *x_min), static_cast<REAL>(*y_max - *y_min));
}

}  // namespace drawing
