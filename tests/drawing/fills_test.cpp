// Fills and clipping, checked by the pixels they leave on an ARGB bitmap.
#include <gtest/gtest.h>

#include <array>

#include "tests/drawing/canvas.h"

namespace drawing_test {
namespace {

struct Probe {
  int x, y;
  drawing::ARGB colour;
};

void expect_pixels(const Canvas& canvas, std::initializer_list<Probe> probes, int tolerance = 8) {
  for (const Probe& p : probes) {
    EXPECT_TRUE(near_colour(canvas.pixel(p.x, p.y), p.colour, tolerance))
        << "at (" << p.x << ", " << p.y << "): " << std::hex << canvas.pixel(p.x, p.y)
        << " instead of " << p.colour;
  }
}

TEST(Fills, SolidRectangleCoversExactlyItsArea) {
  Canvas canvas(40, 30);
  drawing::SolidBrush brush;
  ASSERT_TRUE(brush.create_solid_fill(red));
  EXPECT_EQ(brush.get_solid_fill_color(), red);
  ASSERT_TRUE(canvas.graphics.fill_rectangle(brush, 10.0f, 5.0f, 20.0f, 10.0f));
  ASSERT_TRUE(canvas.graphics.fill_rectangle(brush, drawing::RectF(0, 25, 5, 5)));
  expect_pixels(canvas, {{10, 5, red}, {29, 14, red}, {9, 5, white}, {30, 14, white},
                         {20, 15, white}, {2, 27, red}, {6, 27, white}});
}

TEST(Fills, LinearGradientWithPresetBlend) {
  Canvas canvas(101, 10);
  drawing::LinearGradientBrush brush;
  ASSERT_TRUE(brush.create_line_brush(drawing::PointF(0, 0), drawing::PointF(101, 0), red, blue));
  const std::array<drawing::ARGB, 3> colours = {red, green, blue};
  const std::array<drawing::REAL, 3> positions = {0.0f, 0.5f, 1.0f};
  ASSERT_TRUE(brush.set_line_preset_blend(colours, positions));
  EXPECT_EQ(brush.get_line_preset_blend_count(), 3);
  ASSERT_TRUE(canvas.graphics.fill_rectangle(brush, 0.0f, 0.0f, 101.0f, 10.0f));
  expect_pixels(canvas, {{0, 5, red}, {50, 5, green}, {100, 5, blue}}, 16);
}

TEST(Fills, LinearGradientWithLinearBlendPeaksAtItsFocus) {
  Canvas canvas(101, 10);
  drawing::LinearGradientBrush brush;
  ASSERT_TRUE(brush.create_line_brush(drawing::PointF(0, 0), drawing::PointF(101, 0), black, white,
                                      Gdiplus::WrapModeTile));
  ASSERT_TRUE(brush.set_line_linear_blend(0.5f, 1.0f));
  ASSERT_TRUE(canvas.graphics.fill_rectangle(brush, 0.0f, 0.0f, 101.0f, 10.0f));
  // Black at both ends, white at the focus, half way between at the quarters.
  expect_pixels(canvas, {{0, 5, black}, {50, 5, white}, {100, 5, black}}, 16);
  EXPECT_NEAR(green_of(canvas.pixel(25, 5)), 128, 16);
  EXPECT_NEAR(green_of(canvas.pixel(75, 5)), 128, 16);
}

TEST(Fills, PathGradientFromCentreColourToSurround) {
  Canvas canvas(61, 61);
  drawing::GraphicsPath path;
  ASSERT_TRUE(path.create_path(Gdiplus::FillModeAlternate));
  ASSERT_TRUE(path.add_path_rectangle(0.0f, 0.0f, 61.0f, 61.0f));
  drawing::PathGradientBrush brush;
  ASSERT_TRUE(brush.create_path_gradient_from_path(path));
  ASSERT_TRUE(brush.set_path_gradient_center_color(red));
  const std::array<drawing::ARGB, 1> surround = {blue};
  ASSERT_TRUE(brush.set_path_gradient_surround_colors_with_count(surround));
  ASSERT_TRUE(brush.set_path_gradient_center_point(20.0f, 20.0f));
  EXPECT_FLOAT_EQ(brush.get_path_gradient_center_point().X, 20.0f);
  ASSERT_TRUE(brush.set_path_gradient_focus_scales(0.0f, 0.0f));
  ASSERT_TRUE(canvas.graphics.fill_path(brush, path));
  expect_pixels(canvas, {{20, 20, red}, {60, 30, blue}}, 24);
  // Half way from the centre to the right edge: half red, half blue.
  EXPECT_NEAR(red_of(canvas.pixel(40, 20)), 128, 40);
  EXPECT_NEAR(blue_of(canvas.pixel(40, 20)), 128, 40);
}

TEST(Fills, TextureTilesItsPicture) {
  drawing::Bitmap tile;
  ASSERT_TRUE(tile.create_bitmap_from_scan0(2, 2));
  ASSERT_TRUE(tile.bitmap_set_pixel(0, 0, red));
  ASSERT_TRUE(tile.bitmap_set_pixel(1, 0, green));
  ASSERT_TRUE(tile.bitmap_set_pixel(0, 1, blue));
  ASSERT_TRUE(tile.bitmap_set_pixel(1, 1, black));
  drawing::TextureBrush brush;
  ASSERT_TRUE(brush.create_texture(tile));
  EXPECT_EQ(brush.get_texture_wrap_mode(), Gdiplus::WrapModeTile);
  Canvas canvas(8, 8);
  ASSERT_TRUE(canvas.graphics.fill_rectangle(brush, 0.0f, 0.0f, 8.0f, 8.0f));
  expect_pixels(canvas, {{0, 0, red}, {1, 0, green}, {0, 1, blue}, {1, 1, black},
                         {4, 6, red}, {7, 7, black}});
}

TEST(Clipping, RectangleConfinesDrawing) {
  Canvas canvas(30, 30);
  drawing::SolidBrush brush;
  brush.create_solid_fill(green);
  ASSERT_TRUE(canvas.graphics.set_clip_rect(10.0f, 10.0f, 10.0f, 10.0f, Gdiplus::CombineModeReplace));
  ASSERT_TRUE(canvas.graphics.fill_rectangle(brush, 0.0f, 0.0f, 30.0f, 30.0f));
  expect_pixels(canvas, {{10, 10, green}, {19, 19, green}, {9, 15, white}, {20, 15, white}});
  ASSERT_TRUE(canvas.graphics.reset_clip());
  EXPECT_TRUE(canvas.graphics.is_visible_point(1.0f, 1.0f));
}

TEST(Clipping, PathConfinesDrawing) {
  Canvas canvas(40, 40);
  drawing::GraphicsPath circle;
  circle.create_path(Gdiplus::FillModeAlternate);
  ASSERT_TRUE(circle.add_path_ellipse(0.0f, 0.0f, 40.0f, 40.0f));
  ASSERT_TRUE(canvas.graphics.set_clip_path(circle, Gdiplus::CombineModeReplace));
  drawing::SolidBrush brush;
  brush.create_solid_fill(blue);
  ASSERT_TRUE(canvas.graphics.fill_rectangle(brush, 0.0f, 0.0f, 40.0f, 40.0f));
  expect_pixels(canvas, {{20, 20, blue}, {20, 2, blue}, {1, 1, white}, {38, 38, white}});
}

TEST(Lines, PenDrawsWithItsWidth) {
  Canvas canvas(30, 30);
  drawing::Pen pen;
  ASSERT_TRUE(pen.create_pen1(red, 1.0f, Gdiplus::UnitPixel));
  ASSERT_TRUE(pen.set_pen_width(5.0f));
  EXPECT_FLOAT_EQ(pen.get_pen_width(), 5.0f);
  ASSERT_TRUE(canvas.graphics.draw_line(pen, 0.0f, 15.0f, 30.0f, 15.0f));
  expect_pixels(canvas, {{15, 13, red}, {15, 16, red}, {15, 10, white}, {15, 20, white}});
}

TEST(Lines, PenFromABrushDrawsTheBrush) {
  Canvas canvas(30, 30);
  drawing::SolidBrush brush;
  brush.create_solid_fill(green);
  drawing::Pen pen;
  ASSERT_TRUE(pen.create_pen2(brush, 3.0f, Gdiplus::UnitPixel));
  EXPECT_EQ(pen.get_pen_fill_type(), Gdiplus::PenTypeSolidColor);
  const std::array<drawing::PointF, 3> points = {drawing::PointF(5, 5), drawing::PointF(25, 5),
                                                 drawing::PointF(25, 25)};
  ASSERT_TRUE(canvas.graphics.draw_lines(pen, points));
  expect_pixels(canvas, {{15, 5, green}, {25, 15, green}, {15, 15, white}});
}

TEST(Images, DrawnIntoARectangleScalesTheWholePicture) {
  drawing::Bitmap picture;
  ASSERT_TRUE(picture.create_bitmap_from_scan0(2, 1));
  picture.bitmap_set_pixel(0, 0, red);
  picture.bitmap_set_pixel(1, 0, blue);
  Canvas canvas(40, 20);
  canvas.graphics.set_interpolation_mode(Gdiplus::InterpolationModeNearestNeighbor);
  canvas.graphics.set_pixel_offset_mode(Gdiplus::PixelOffsetModeHalf);
  ASSERT_TRUE(canvas.graphics.draw_image(picture, 0.0f, 0.0f, 40.0f, 20.0f));
  expect_pixels(canvas, {{5, 10, red}, {35, 10, blue}});
}

}  // namespace
}  // namespace drawing_test
