#include "skin/core/pictures.h"

#include <gtest/gtest.h>
#include <windows.h>

#include "drawing/pen.h"
#include "drawing/solid_brush.h"
#include "tests/skin/pictures.h"

namespace {

using skin_test::blue;
using skin_test::decode;
using skin_test::green;
using skin_test::red;
using skin_test::solid_png;

constexpr std::uint32_t opaque_blue = 0xFF0000FF;
constexpr COLORREF red_edge = 0x000000FF;

// Pixels of a faded 250 × 180 blue picture, whose edges melt into red.
struct Faded {
  drawing::Bitmap bitmap;
  explicit Faded(const skin::Bytes& png) : bitmap(decode(png)) {}
  std::uint32_t at(int x, int y) const { return bitmap.bitmap_get_pixel(x, y); }
  bool untouched(int x, int y) const { return at(x, y) == opaque_blue; }
};

TEST(FadePicture, FadesTheRightAndBottomBandsAndLeavesTheRestUntouched) {
  const skin::Bytes source = solid_png(250, 180, opaque_blue);
  const Faded faded(skin::fade_picture({source, {}}, std::nullopt, red_edge, false));
  ASSERT_EQ(faded.bitmap.get_image_width(), 250u);
  ASSERT_EQ(faded.bitmap.get_image_height(), 180u);
  for (int y = 0; y <= 105; ++y) {
    for (int x = 0; x <= 175; ++x) ASSERT_TRUE(faded.untouched(x, y)) << x << "," << y;
  }
  // The bands start at column 176 and row 106, and reach almost the edge colour at the edges.
  for (int y : {0, 50, 105}) EXPECT_FALSE(faded.untouched(176, y)) << y;
  for (int x : {0, 100, 175}) EXPECT_FALSE(faded.untouched(x, 106)) << x;
  for (const auto& [x, y] : {std::pair{249, 0}, std::pair{0, 179}, std::pair{249, 179}}) {
    EXPECT_GT(red(faded.at(x, y)), 230) << x << "," << y;
    EXPECT_LT(blue(faded.at(x, y)), 25) << x << "," << y;
  }
  // The side band runs from nearly the picture to nearly the edge colour.
  EXPECT_LT(red(faded.at(180, 0)), red(faded.at(220, 0)));
  EXPECT_LT(red(faded.at(220, 0)), red(faded.at(249, 0)));
}

TEST(FadePicture, FadeLeftAndAGivenSize) {
  const skin::Bytes source = solid_png(250, 180, opaque_blue);
  const Faded left(skin::fade_picture({source, {}}, std::nullopt, red_edge, true));
  EXPECT_GT(red(left.at(0, 0)), 230);
  for (int x = 75; x < 250; ++x) ASSERT_TRUE(left.untouched(x, 50)) << x;
  EXPECT_FALSE(left.untouched(0, 106));

  const Faded narrow(skin::fade_picture({source, {}}, 40, red_edge, false));
  EXPECT_TRUE(narrow.untouched(210, 139));
  EXPECT_FALSE(narrow.untouched(211, 0));
  EXPECT_FALSE(narrow.untouched(0, 141));
  EXPECT_EQ(green(narrow.at(249, 0)), 0);
}

TEST(FadePicture, OfAnUndecodablePictureIsEmpty) {
  const skin::Bytes junk = {0x89, 'P', 'N', 'G'};
  EXPECT_TRUE(skin::fade_picture({junk, {}}, std::nullopt, red_edge, false).empty());
  EXPECT_TRUE(skin::fade_picture({}, 10, red_edge, true).empty());
}

// A 120 × 120 picture with one path filled, or stroked 1 pixel wide, in black on white.
drawing::Bitmap drawn(const std::function<void(drawing::GraphicsPath&)>& add, bool stroke = false) {
  drawing::Bitmap bitmap;
  bitmap.create_bitmap_from_scan0(120, 120, PixelFormat32bppARGB);
  drawing::Graphics graphics;
  graphics.get_image_graphics_context(bitmap);
  graphics.graphics_clear(0xFFFFFFFF);
  drawing::GraphicsPath path;
  add(path);
  if (stroke) {
    drawing::Pen pen;
    pen.create_pen1(0xFF000000, 1.0f, Gdiplus::UnitWorld);
    graphics.draw_path(pen, path);
  } else {
    drawing::SolidBrush brush;
    brush.create_solid_fill(0xFF000000);
    graphics.fill_path(brush, path);
  }
  graphics.delete_graphics();
  return bitmap;
}

skin::Bytes rounded(int r) {
  return drawn([r](drawing::GraphicsPath& p) { skin::rounded_rect_path(p, 5, 5, 110, 110, r); })
      .save_image_to_stream(drawing::png_encoder);
}

constexpr std::uint32_t white = 0xFFFFFFFF;

TEST(RoundedRectPath, CornerSizeIsClampedToOneThroughOneHundred) {
  EXPECT_EQ(rounded(0), rounded(1));
  EXPECT_EQ(rounded(-20), rounded(1));
  EXPECT_EQ(rounded(500), rounded(100));
  EXPECT_NE(rounded(100), rounded(50));
  EXPECT_NE(rounded(1), rounded(20));
}

TEST(RoundedRectPath, IsAClosedFigureWithinItsBox) {
  drawing::GraphicsPath path;
  skin::rounded_rect_path(path, 10, 20, 100, 50, 10);
  drawing::RectF bounds;
  path.get_path_world_bounds(bounds, nullptr, nullptr);
  EXPECT_FLOAT_EQ(bounds.X, 10);
  EXPECT_FLOAT_EQ(bounds.Y, 20);
  EXPECT_FLOAT_EQ(bounds.Width, 100);
  EXPECT_FLOAT_EQ(bounds.Height, 50);
  // The closing line is the top edge between the two top arcs.
  const drawing::Bitmap outline = drawn(
      [](drawing::GraphicsPath& p) { skin::rounded_rect_path(p, 10, 20, 100, 50, 10); }, true);
  EXPECT_NE(outline.bitmap_get_pixel(60, 20), white);
  EXPECT_EQ(outline.bitmap_get_pixel(60, 45), white);
}

TEST(TopRoundedPath, RoundsOnlyTheTopCornersAndStaysOpen) {
  auto add = [](drawing::GraphicsPath& p) { skin::top_rounded_path(p, 10, 10, 100, 100, 40); };
  const drawing::Bitmap filled = drawn(add);
  const std::uint32_t black = 0xFF000000;
  EXPECT_EQ(filled.bitmap_get_pixel(11, 11), white);   // cut off by the top-left arc
  EXPECT_EQ(filled.bitmap_get_pixel(108, 11), white);  // and by the top-right one
  EXPECT_EQ(filled.bitmap_get_pixel(12, 107), black);  // square bottom corners
  EXPECT_EQ(filled.bitmap_get_pixel(107, 107), black);
  EXPECT_EQ(filled.bitmap_get_pixel(60, 12), black);

  // Stroked, the sides and the top are drawn but no line closes the bottom.
  const drawing::Bitmap outline = drawn(add, true);
  EXPECT_NE(outline.bitmap_get_pixel(10, 80), white);
  EXPECT_NE(outline.bitmap_get_pixel(110, 80), white);
  EXPECT_NE(outline.bitmap_get_pixel(60, 10), white);
  EXPECT_EQ(outline.bitmap_get_pixel(60, 110), white);
  drawing::GraphicsPath path;
  add(path);
  const drawing::PointF last = path.get_path_last_point();
  EXPECT_FLOAT_EQ(last.X, 110);
  EXPECT_FLOAT_EQ(last.Y, 110);
}

TEST(GlowOutline, StacksWiderTranslucentStrokes) {
  auto stroke = [](int passes) {
    drawing::Bitmap bitmap;
    bitmap.create_bitmap_from_scan0(60, 40, PixelFormat32bppARGB);
    drawing::Graphics graphics;
    graphics.get_image_graphics_context(bitmap);
    graphics.graphics_clear(0xFFFFFFFF);
    drawing::GraphicsPath path;
    path.create_path(Gdiplus::FillModeAlternate);
    path.add_path_line(5.0f, 20.5f, 55.0f, 20.5f);
    skin::glow_outline(graphics, path, passes, 0x000000FF, 80);
    graphics.delete_graphics();
    return decode(bitmap.save_image_to_stream(drawing::png_encoder));
  };
  const drawing::Bitmap none = stroke(0), one = stroke(1), four = stroke(4);
  EXPECT_EQ(none.bitmap_get_pixel(30, 20), 0xFFFFFFFFu);
  // Each pass lays the colour over the line again; the wider passes reach further out.
  EXPECT_LT(green(four.bitmap_get_pixel(30, 20)), green(one.bitmap_get_pixel(30, 20)));
  EXPECT_EQ(one.bitmap_get_pixel(30, 22), 0xFFFFFFFFu);
  EXPECT_NE(four.bitmap_get_pixel(30, 22), 0xFFFFFFFFu);
  EXPECT_EQ(four.bitmap_get_pixel(30, 25), 0xFFFFFFFFu);
  EXPECT_GT(red(four.bitmap_get_pixel(30, 20)), green(four.bitmap_get_pixel(30, 20)));
}

}  // namespace
