#include "tests/skin/pictures.h"

namespace skin_test {

skin::Bytes make_png(int w, int h, const std::function<std::uint32_t(int x, int y)>& pixel) {
  drawing::Bitmap bitmap;
  bitmap.create_bitmap_from_scan0(w, h, PixelFormat32bppARGB);
  for (int y = 0; y < h; ++y) {
    for (int x = 0; x < w; ++x) bitmap.bitmap_set_pixel(x, y, pixel(x, y));
  }
  return bitmap.save_image_to_stream(drawing::png_encoder);
}

skin::Bytes solid_png(int w, int h, std::uint32_t argb) {
  return make_png(w, h, [argb](int, int) { return argb; });
}

drawing::Bitmap decode(const skin::Bytes& png) {
  drawing::Bitmap bitmap;
  bitmap.create_bitmap_from_stream(png);
  return bitmap;
}

}  // namespace skin_test
