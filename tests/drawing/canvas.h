#pragma once
// A 32-bit ARGB bitmap with a drawing surface on it, and ways to read its pixels back.
#include "drawing/drawing.h"

namespace drawing_test {

inline constexpr drawing::ARGB white = 0xFFFFFFFF;
inline constexpr drawing::ARGB black = 0xFF000000;
inline constexpr drawing::ARGB red = 0xFFFF0000;
inline constexpr drawing::ARGB green = 0xFF00FF00;
inline constexpr drawing::ARGB blue = 0xFF0000FF;

struct Canvas {
  drawing::Bitmap bitmap;
  drawing::Graphics graphics;

  Canvas(int width, int height, drawing::ARGB background = white) {
    bitmap.create_bitmap_from_scan0(width, height);
    graphics.get_image_graphics_context(bitmap);
    graphics.graphics_clear(background);
  }
  drawing::ARGB pixel(int x, int y) const { return bitmap.bitmap_get_pixel(x, y); }
};

// Channel values of a colour, for comparisons with a tolerance.
inline int channel(drawing::ARGB colour, int shift) { return (colour >> shift) & 0xFF; }
inline int red_of(drawing::ARGB c) { return channel(c, 16); }
inline int green_of(drawing::ARGB c) { return channel(c, 8); }
inline int blue_of(drawing::ARGB c) { return channel(c, 0); }

// True when every channel is within `tolerance` of the expected colour's.
inline bool near_colour(drawing::ARGB actual, drawing::ARGB expected, int tolerance = 8) {
  for (int shift = 0; shift < 32; shift += 8) {
    const int d = channel(actual, shift) - channel(expected, shift);
    if (d > tolerance || d < -tolerance) return false;
  }
  return true;
}

// A w x h picture of one colour, encoded as PNG through the layer.
std::vector<BYTE> png_of(int width, int height, drawing::ARGB colour);

// A two-colour-per-frame animated GIF, 2 x 2 pixels per frame, written byte by byte.
std::vector<BYTE> animated_gif(const std::vector<int>& palette_index_per_frame,
                               const std::vector<int>& delays_in_centiseconds);

inline bool running_on_wine() {
  return GetProcAddress(GetModuleHandleW(L"ntdll.dll"), "wine_get_version") != nullptr;
}

}  // namespace drawing_test
