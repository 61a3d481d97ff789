// Paths, rotated pictures and transforms about a point.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>

#include "tests/drawing/canvas.h"

namespace drawing_test {
namespace {

struct RoundedCase {
  int percent;
  float corner_width;  // width x clamped percent / 100, truncated
  float corner_height;
};

class RoundedRectangle : public testing::TestWithParam<RoundedCase> {};

// The arcs start at the middle of the top-right box's top edge, then go clockwise round the
// corners.
TEST_P(RoundedRectangle, ClampsItsPercentageAndAddsTheArcsInOrder) {
  const RoundedCase c = GetParam();
  const float x = 10, y = 20, w = 210, h = 110;
  drawing::GraphicsPath path;
  ASSERT_TRUE(path.create_path(Gdiplus::FillModeAlternate));
  ASSERT_TRUE(path.add_path_rounded_rectangle(x, y, w, h, c.percent));
  const std::vector<drawing::PointF> points = path.get_path_points();
  const float cw = c.corner_width, ch = c.corner_height;
  // Where each arc starts and ends, in the order the path must visit them (points where two
  // arcs meet may be stored once).
  const drawing::PointF visits[] = {
      {x + w - cw / 2, y},     {x + w, y + ch / 2},          // top right, from 270 degrees
      {x + w, y + h - ch / 2}, {x + w - cw / 2, y + h},      // bottom right, from 0 degrees
      {x + cw / 2, y + h},     {x, y + h - ch / 2},          // bottom left, from 90 degrees
      {x, y + ch / 2},         {x + cw / 2, y},              // top left, from 180 degrees
  };
  ASSERT_FALSE(points.empty());
  EXPECT_NEAR(points.front().X, visits[0].X, 0.01f);
  EXPECT_NEAR(points.front().Y, visits[0].Y, 0.01f);
  auto next = points.begin();
  for (const drawing::PointF& visit : visits) {
    next = std::find_if(next, points.end(), [&](const drawing::PointF& p) {
      return std::abs(p.X - visit.X) < 0.01f && std::abs(p.Y - visit.Y) < 0.01f;
    });
    ASSERT_NE(next, points.end()) << "(" << visit.X << ", " << visit.Y << ") not in order";
  }
  EXPECT_EQ(next, points.end() - 1);
  const std::vector<BYTE> types = path.get_path_types();
  ASSERT_EQ(types.size(), points.size());
  EXPECT_EQ(types.back() & Gdiplus::PathPointTypeCloseSubpath, Gdiplus::PathPointTypeCloseSubpath);
  drawing::RectF bounds;
  ASSERT_TRUE(path.get_path_world_bounds(bounds, nullptr, nullptr));
  EXPECT_NEAR(bounds.Width, w, 0.01f);
  EXPECT_NEAR(bounds.Height, h, 0.01f);
}

INSTANTIATE_TEST_SUITE_P(Percentages, RoundedRectangle,
                         testing::Values(RoundedCase{0, 2, 1},       // clamped to 1
                                         RoundedCase{-30, 2, 1},     // clamped to 1
                                         RoundedCase{10, 21, 11},
                                         RoundedCase{33, 69, 36},    // 69.3 and 36.3 truncated
                                         RoundedCase{100, 210, 110},
                                         RoundedCase{250, 210, 110}));  // clamped to 100

TEST(RoundedRectangleFill, LeavesTheCornersOpen) {
  Canvas canvas(40, 40);
  drawing::GraphicsPath path;
  path.create_path(Gdiplus::FillModeAlternate);
  ASSERT_TRUE(path.add_path_rounded_rectangle(0, 0, 40, 40, 50));
  drawing::SolidBrush brush;
  brush.create_solid_fill(red);
  ASSERT_TRUE(canvas.graphics.fill_path(brush, path));
  EXPECT_TRUE(near_colour(canvas.pixel(20, 20), red));
  EXPECT_TRUE(near_colour(canvas.pixel(20, 1), red));
  EXPECT_TRUE(near_colour(canvas.pixel(1, 1), white));
  EXPECT_TRUE(near_colour(canvas.pixel(38, 38), white));
}

TEST(RotatedCopy, QuarterTurnSwapsWidthAndHeight) {
  drawing::Bitmap picture;
  ASSERT_TRUE(picture.create_bitmap_from_scan0(30, 12));
  drawing::Graphics g;
  g.get_image_graphics_context(picture);
  g.graphics_clear(blue);
  g.delete_graphics();
  picture.bitmap_set_resolution(120.0f, 60.0f);

  const drawing::Bitmap turned = picture.rotated_copy(90.0f, white);
  ASSERT_NE(turned.native(), nullptr);
  EXPECT_EQ(turned.get_image_width(), 12u);
  EXPECT_EQ(turned.get_image_height(), 30u);
  EXPECT_TRUE(near_colour(turned.bitmap_get_pixel(6, 15), blue));
  EXPECT_FLOAT_EQ(turned.get_image_horizontal_resolution(), 120.0f);
  EXPECT_FLOAT_EQ(turned.get_image_vertical_resolution(), 60.0f);
}

TEST(RotatedCopy, EighthTurnFillsTheCornersWithTheBackground) {
  drawing::Bitmap picture;
  ASSERT_TRUE(picture.create_bitmap_from_scan0(20, 20));
  drawing::Graphics g;
  g.get_image_graphics_context(picture);
  g.graphics_clear(blue);
  g.delete_graphics();
  const drawing::Bitmap turned = picture.rotated_copy(45.0f, red);
  EXPECT_EQ(turned.get_image_width(), 28u);  // 20 x sqrt(2), truncated
  EXPECT_TRUE(near_colour(turned.bitmap_get_pixel(14, 14), blue));
  EXPECT_TRUE(near_colour(turned.bitmap_get_pixel(1, 1), red));
}

struct RotatedSizeCase {
  float width, height, angle, rotated_width, rotated_height;
};

TEST(RotatedSize, IsTheExtentOfTheTurnedCorners) {
  const RotatedSizeCase cases[] = {
      {30, 12, 0, 30, 12},   {30, 12, 90, 12, 30},    {30, 12, 180, 30, 12},
      {30, 12, -90, 12, 30}, {10, 10, 45, 14.1421f, 14.1421f}, {40, 0, 30, 34.641f, 20},
  };
  for (const RotatedSizeCase& c : cases) {
    const drawing::SizeF size = drawing::Bitmap::rotated_size(c.width, c.height, c.angle);
    EXPECT_NEAR(size.Width, c.rotated_width, 0.001f) << c.angle;
    EXPECT_NEAR(size.Height, c.rotated_height, 0.001f) << c.angle;
  }
}

drawing::PointF transformed(const drawing::Matrix& matrix, drawing::PointF point) {
  std::array<drawing::PointF, 1> points = {point};
  matrix.transform_matrix_points(points);
  return points[0];
}

class AboutAPoint : public testing::TestWithParam<Gdiplus::MatrixOrder> {};

TEST_P(AboutAPoint, ScaleAndRotationLeaveThatPointFixed) {
  const Gdiplus::MatrixOrder order = GetParam();
  drawing::Matrix scale;
  ASSERT_TRUE(scale.create_matrix());
  ASSERT_TRUE(scale.scale_matrix(2.0f, 3.0f, 10.0f, 20.0f, order));
  EXPECT_NEAR(transformed(scale, {10, 20}).X, 10, 1e-4);
  EXPECT_NEAR(transformed(scale, {10, 20}).Y, 20, 1e-4);
  EXPECT_NEAR(transformed(scale, {11, 21}).X, 12, 1e-4);
  EXPECT_NEAR(transformed(scale, {11, 21}).Y, 23, 1e-4);

  drawing::Matrix rotation;
  ASSERT_TRUE(rotation.create_matrix());
  ASSERT_TRUE(rotation.rotate_matrix(90.0f, 10.0f, 20.0f, order));
  EXPECT_NEAR(transformed(rotation, {10, 20}).X, 10, 1e-4);
  EXPECT_NEAR(transformed(rotation, {10, 20}).Y, 20, 1e-4);
  EXPECT_NEAR(transformed(rotation, {11, 20}).X, 10, 1e-4);  // y grows downwards: clockwise
  EXPECT_NEAR(transformed(rotation, {11, 20}).Y, 21, 1e-4);
}

INSTANTIATE_TEST_SUITE_P(Orders, AboutAPoint,
                         testing::Values(Gdiplus::MatrixOrderPrepend, Gdiplus::MatrixOrderAppend));

// On a matrix that already moves points, prepend applies the scale first, append last.
TEST(AboutAPointOrder, PrependScalesBeforeTheExistingTransformAndAppendAfter) {
  drawing::Matrix prepended, appended;
  prepended.create_matrix2(1.0f, 0.0f, 0.0f, 1.0f, 5.0f, 0.0f);
  appended.create_matrix2(1.0f, 0.0f, 0.0f, 1.0f, 5.0f, 0.0f);
  prepended.scale_matrix(2.0f, 2.0f, 10.0f, 20.0f, Gdiplus::MatrixOrderPrepend);
  appended.scale_matrix(2.0f, 2.0f, 10.0f, 20.0f, Gdiplus::MatrixOrderAppend);
  EXPECT_NEAR(transformed(prepended, {10, 20}).X, 15, 1e-4);
  EXPECT_NEAR(transformed(appended, {10, 20}).X, 20, 1e-4);
}

TEST(AboutAPointOnASurface, WorldScaleAboutAPointKeepsItsPixelInPlace) {
  Canvas canvas(40, 40);
  ASSERT_TRUE(canvas.graphics.scale_world_transform(3.0f, 3.0f, 20.0f, 20.0f));
  drawing::SolidBrush brush;
  brush.create_solid_fill(red);
  canvas.graphics.fill_rectangle(brush, 20.0f, 20.0f, 2.0f, 2.0f);  // becomes 20..26
  EXPECT_TRUE(near_colour(canvas.pixel(20, 20), red));
  EXPECT_TRUE(near_colour(canvas.pixel(25, 25), red));
  EXPECT_TRUE(near_colour(canvas.pixel(19, 19), white));
  EXPECT_TRUE(near_colour(canvas.pixel(27, 27), white));
}

}  // namespace
}  // namespace drawing_test
