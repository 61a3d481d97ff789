#pragma once
// Colours in the skin's two layouts: GDI COLORREF (0x00BBGGRR) with a separate alpha in records
// and settings, GDI+ ARGB (0xAARRGGBB) where a brush or pen is made.
#include <windows.h>

#include <cstdint>

#include "skin/core/pictures.h"

namespace skin {

// Red and blue swapped; the top byte is `alpha` when `use_alpha` is set, else 255.
std::uint32_t to_argb(COLORREF colour, int alpha, bool use_alpha);

// The inverse: the alpha byte is handed out and cleared, red and blue swapped back.
COLORREF to_colorref(std::uint32_t argb, int& alpha);

// The average colour of `samples` pixels drawn at random (a generator reseeded for each draw, so
// a picture always gives the same average), from the right and bottom margins when they are at
// least 1, else from the whole picture. The top byte is 0xFF. Black for a picture that does not
// decode.
COLORREF average_colour(const PictureSource& source, int samples, int right_margin,
                        int bottom_margin);

}  // namespace skin
