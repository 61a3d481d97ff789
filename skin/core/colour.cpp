#include "skin/core/colour.h"

#include "host/random_source.h"

namespace skin {

namespace {

std::uint32_t swap_red_and_blue(std::uint32_t v) {
  return (v & 0x0000FF00u) | ((v & 0xFFu) << 16) | ((v >> 16) & 0xFFu);
}

}  // namespace

std::uint32_t to_argb(COLORREF colour, int alpha, bool use_alpha) {
  const std::uint32_t a = use_alpha ? static_cast<std::uint32_t>(alpha) & 0xFFu : 0xFFu;
  return (a << 24) | swap_red_and_blue(colour);
}

COLORREF to_colorref(std::uint32_t argb, int& alpha) {
  alpha = static_cast<int>(argb >> 24);
  return swap_red_and_blue(argb & 0x00FFFFFFu);
}

COLORREF average_colour(const PictureSource& source, int samples, int right_margin,
                        int bottom_margin) {
  if (samples < 1) return 0xFF000000;
  drawing::Bitmap picture;
  load_picture(picture, source);
  const auto width = static_cast<std::int32_t>(picture.get_image_width());
  const auto height = static_cast<std::int32_t>(picture.get_image_height());
  const std::int32_t x_low = right_margin >= 1 ? width - right_margin : 1;
  const std::int32_t y_low = bottom_margin >= 1 ? height - bottom_margin : 1;

  host::RandomSource random;
  std::uint64_t red = 0, green = 0, blue = 0;
  for (int i = 1; i <= samples; ++i) {
    random.seed(static_cast<std::uint32_t>(3 * i));
    const std::int32_t x = random.between(x_low, width);
    random.seed(static_cast<std::uint32_t>(i));
    const std::int32_t y = random.between(y_low, height);
    int alpha = 0;
    const COLORREF value = to_colorref(picture.bitmap_get_pixel(x - 1, y - 1), alpha);
    blue += value / 65536;
    green += value % 65536 / 256;
    red += value % 256;
  }
  return 0xFF000000 | RGB(red / samples, green / samples, blue / samples);
}

}  // namespace skin
