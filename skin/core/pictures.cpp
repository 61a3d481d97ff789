#include "skin/core/pictures.h"

#include <cmath>

#include "drawing/linear_gradient_brush.h"
#include "drawing/pen.h"
#include "skin/core/colour.h"

namespace skin {

namespace {

void ensure_created(drawing::GraphicsPath& path) {
  if (!path.handle()) path.create_path(Gdiplus::FillModeAlternate);
}

// Fills the rectangle with a two-colour gradient running from `from` to `to`.
void fill_gradient(const drawing::Graphics& graphics, drawing::PointF from, drawing::PointF to,
                   drawing::ARGB from_colour, drawing::ARGB to_colour, drawing::RectF area) {
  drawing::LinearGradientBrush brush;
  brush.create_line_brush(from, to, from_colour, to_colour);
  graphics.fill_rectangle(brush, area);
}

}  // namespace

bool load_picture(drawing::Image& image, const PictureSource& source) {
  if (!source.path.empty()) return image.load_image_from_file(source.path);
  return image.load_image_from_stream(source.bytes);
}

bool load_picture(drawing::Bitmap& bitmap, const PictureSource& source) {
  if (!source.path.empty()) return bitmap.create_bitmap_from_file(source.path);
  return bitmap.create_bitmap_from_stream(source.bytes);
}

Bytes fade_picture(const PictureSource& source, std::optional<int> fade_size,
                   COLORREF edge_colour, bool fade_left) {
  drawing::Image picture;
  if (!load_picture(picture, source)) return {};
  const auto width = static_cast<int>(picture.get_image_width());
  const auto height = static_cast<int>(picture.get_image_height());
  drawing::Bitmap faded;
  if (!faded.create_bitmap_from_scan0(width, height, PixelFormat32bppARGB)) return {};
  {
    drawing::Graphics graphics;
    graphics.get_image_graphics_context(faded);
    graphics.set_compositing_quality(Gdiplus::CompositingQualityGammaCorrected);
    graphics.draw_image(picture, 0.0f, 0.0f, static_cast<float>(width),
                        static_cast<float>(height));

    const int a = fade_size.value_or(static_cast<int>(std::floor(width * 0.3)));
    const auto W = static_cast<float>(width), H = static_cast<float>(height),
               A = static_cast<float>(a);
    const drawing::ARGB edge = to_argb(edge_colour, 255, true);
    const drawing::ARGB clear_edge = to_argb(edge_colour, 0, true);
    constexpr drawing::ARGB clear_white = 0x00FFFFFF;
    if (fade_left) {
      fill_gradient(graphics, {0, 0}, {A, 0}, edge, clear_white, {0, 0, A, H});
    } else {
      fill_gradient(graphics, {W - A, 0}, {W, 0}, clear_white, edge, {W - A + 1, 0, A, H});
    }
    fill_gradient(graphics, {0, H - A}, {0, H}, clear_edge, edge, {0, H - A + 1, W, A});
  }
  return faded.save_image_to_stream(drawing::png_encoder);
}

void rounded_rect_path(drawing::GraphicsPath& path, float x, float y, float w, float h, int r) {
  ensure_created(path);
  const auto c = static_cast<float>(r < 1 ? 1 : r > 100 ? 100 : r);
  path.add_path_arc(x + w - c, y, c, c, 270.0f, 90.0f);
  path.add_path_arc(x + w - c - 1, y + h - c - 1, c + 1, c + 1, 0.0f, 90.0f);
  path.add_path_arc(x, y + h - c, c, c, 90.0f, 90.0f);
  path.add_path_arc(x, y, c, c, 180.0f, 90.0f);
  path.close_path_figure();
}

void top_rounded_path(drawing::GraphicsPath& path, int x, int y, int w, int h, int r) {
  ensure_created(path);
  path.add_path_line_i(x, y + h, x, y + r);
  path.add_path_arc_i(x, y, r, r, 180.0f, 90.0f);
  path.add_path_line_i(x + r, y, x + w - r, y);
  path.add_path_arc_i(x + w - r, y, r, r, 270.0f, 90.0f);
  path.add_path_line_i(x + w, y + r, x + w, y + h);
}

void glow_outline(const drawing::Graphics& graphics, const drawing::GraphicsPath& path, int passes,
                  COLORREF colour, int alpha) {
  drawing::Pen pen;
  pen.create_pen1(to_argb(colour, alpha, true), 1.0f, Gdiplus::UnitWorld);
  for (int i = 1; i <= passes; ++i) {
    pen.set_pen_width(static_cast<float>(i));
    graphics.draw_path(pen, path);
  }
}

}  // namespace skin
