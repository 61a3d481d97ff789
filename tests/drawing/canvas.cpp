#include "tests/drawing/canvas.h"

namespace drawing_test {

std::vector<BYTE> png_of(int width, int height, drawing::ARGB colour) {
  Canvas canvas(width, height, colour);
  canvas.graphics.delete_graphics();
  return canvas.bitmap.save_image_to_stream(drawing::png_encoder);
}

namespace {

void put16(std::vector<BYTE>& out, int value) {
  out.push_back(static_cast<BYTE>(value & 0xFF));
  out.push_back(static_cast<BYTE>(value >> 8));
}

// LZW data of four pixels of one palette index, 3-bit codes packed from the low bit. A clear
// code before each pair keeps the code size at 3 bits.
std::vector<BYTE> lzw_four_pixels(int index) {
  const int clear = 4, end = 5;
  const int codes[] = {clear, index, index, clear, index, index, end};
  std::vector<BYTE> packed(3, 0);
  int bit = 0;
  for (int code : codes) {
    for (int i = 0; i < 3; ++i, ++bit) {
      if (code & (1 << i)) packed[bit / 8] |= static_cast<BYTE>(1 << (bit % 8));
    }
  }
  return packed;
}

}  // namespace

std::vector<BYTE> animated_gif(const std::vector<int>& palette_index_per_frame,
                               const std::vector<int>& delays_in_centiseconds) {
  std::vector<BYTE> gif = {'G', 'I', 'F', '8', '9', 'a'};
  put16(gif, 2);
  put16(gif, 2);
  gif.insert(gif.end(), {0x91, 0, 0});  // global table of 4 colours
  // Palette: black, red, green, blue.
  gif.insert(gif.end(), {0, 0, 0, 255, 0, 0, 0, 255, 0, 0, 0, 255});
  for (std::size_t frame = 0; frame < palette_index_per_frame.size(); ++frame) {
    gif.insert(gif.end(), {0x21, 0xF9, 0x04, 0x04});  // graphic control: disposal "leave"
    put16(gif, delays_in_centiseconds[frame]);
    gif.insert(gif.end(), {0, 0});
    gif.push_back(0x2C);  // image descriptor: whole screen, no local table
    put16(gif, 0);
    put16(gif, 0);
    put16(gif, 2);
    put16(gif, 2);
    gif.push_back(0);
    gif.push_back(2);  // LZW minimum code size
    const std::vector<BYTE> data = lzw_four_pixels(palette_index_per_frame[frame]);
    gif.push_back(static_cast<BYTE>(data.size()));
    gif.insert(gif.end(), data.begin(), data.end());
    gif.push_back(0);
  }
  gif.push_back(0x3B);
  return gif;
}

}  // namespace drawing_test
