#pragma once
// Pictures and paths shared by the painters: loading, the faded window background, rounded
// outlines and the glow stroke.
#include <windows.h>

#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

#include "drawing/bitmap.h"
#include "drawing/graphics.h"
#include "drawing/graphics_path.h"
#include "drawing/image.h"
#include "skin/core/types.h"

namespace skin {

// A picture to load: the file at `path` when it is non-empty, else the encoded `bytes`.
struct PictureSource {
  std::span<const std::uint8_t> bytes;
  std::string_view path;
};

bool load_picture(drawing::Image& image, const PictureSource& source);
bool load_picture(drawing::Bitmap& bitmap, const PictureSource& source);

// The picture as PNG with one side edge (the right one, or the left with `fade_left`) and the
// bottom edge melting into `edge_colour` over `fade_size` pixels (by default 30 % of the width).
// Empty when the picture does not decode.
Bytes fade_picture(const PictureSource& source, std::optional<int> fade_size,
                   COLORREF edge_colour, bool fade_left);

// Adds a closed rectangle with rounded corners; the corner size is clamped to 1 … 100. A path
// without a native object is created first.
void rounded_rect_path(drawing::GraphicsPath& path, float x, float y, float w, float h, int r);

// Adds an open outline rounded at its two top corners: up the left side, across the top, down the
// right side (a fill closes it).
void top_rounded_path(drawing::GraphicsPath& path, int x, int y, int w, int h, int r);

// Strokes the path `passes` times with widths 1 … passes in one translucent colour: a soft halo.
void glow_outline(const drawing::Graphics& graphics, const drawing::GraphicsPath& path, int passes,
                  COLORREF colour, int alpha);

}  // namespace skin
