#pragma once
// Pictures made and read pixel by pixel for the skin's tests.
#include <windows.h>

#include <cstdint>
#include <functional>

#include "drawing/bitmap.h"
#include "skin/core/types.h"

namespace skin_test {

// A w × h PNG whose pixel (x, y) has the ARGB colour `pixel(x, y)`.
skin::Bytes make_png(int w, int h, const std::function<std::uint32_t(int x, int y)>& pixel);
skin::Bytes solid_png(int w, int h, std::uint32_t argb);

// The decoded picture; no handle when it does not decode.
drawing::Bitmap decode(const skin::Bytes& png);

// Channels of an ARGB value.
inline int red(std::uint32_t argb) { return (argb >> 16) & 0xFF; }
inline int green(std::uint32_t argb) { return (argb >> 8) & 0xFF; }
inline int blue(std::uint32_t argb) { return argb & 0xFF; }

// The over-blend of `top` at `alpha` on `bottom`, one channel.
inline int blend(int bottom, int top, int alpha) { return (top * alpha + bottom * (255 - alpha)) / 255; }

}  // namespace skin_test
