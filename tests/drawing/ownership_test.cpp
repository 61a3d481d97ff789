// Handles, copies, deletes and statuses: the conventions every class shares.
#include <gtest/gtest.h>

#include "tests/drawing/canvas.h"

namespace drawing_test {
namespace {

TEST(Ownership, DeleteWithoutAHandleReturnsFalseAndLeavesTheStatus) {
  drawing::Pen pen;
  drawing::last_status = Gdiplus::Aborted;
  EXPECT_FALSE(pen.delete_pen());
  EXPECT_EQ(drawing::last_status, Gdiplus::Aborted);
  drawing::Image image;
  EXPECT_FALSE(image.dispose_image());
  EXPECT_EQ(drawing::last_status, Gdiplus::Aborted);
}

TEST(Ownership, DeleteClearsTheHandleForEveryCopy) {
  drawing::Matrix matrix;
  ASSERT_TRUE(matrix.create_matrix());
  const drawing::Matrix copy = matrix;
  EXPECT_EQ(copy.native(), matrix.native());
  ASSERT_TRUE(matrix.delete_matrix());
  EXPECT_EQ(matrix.native(), nullptr);
  EXPECT_EQ(copy.native(), nullptr);
  EXPECT_FALSE(copy.is_matrix_identity());  // a null handle: an error status, no crash
  EXPECT_NE(drawing::last_status, Gdiplus::Ok);
}

TEST(Ownership, CopiesOutliveTheOriginal) {
  drawing::SolidBrush survivor;
  {
    drawing::SolidBrush brush;
    ASSERT_TRUE(brush.create_solid_fill(red));
    survivor = brush;
  }
  EXPECT_EQ(survivor.get_solid_fill_color(), red);
  EXPECT_EQ(drawing::last_status, Gdiplus::Ok);
}

TEST(Ownership, CreateReplacesAndTheBaseAndClassViewsAgree) {
  drawing::Bitmap bitmap;
  ASSERT_TRUE(bitmap.create_bitmap_from_scan0(4, 4));
  ASSERT_TRUE(bitmap.create_bitmap_from_scan0(6, 2));
  EXPECT_EQ(bitmap.get_image_width(), 6u);
  const drawing::Image& as_image = bitmap;
  EXPECT_EQ(static_cast<void*>(as_image.handle()), static_cast<void*>(bitmap.handle()));
  EXPECT_EQ(as_image.native(), bitmap.native());
}

TEST(Ownership, OperationsHandBackNewObjects) {
  drawing::GraphicsPath path;
  path.create_path(Gdiplus::FillModeWinding);
  path.add_path_ellipse(0.0f, 0.0f, 10.0f, 10.0f);
  drawing::GraphicsPath clone;
  ASSERT_TRUE(path.clone_path(clone));
  EXPECT_NE(clone.native(), path.native());
  EXPECT_EQ(clone.get_point_count(), path.get_point_count());
  EXPECT_EQ(clone.get_path_fill_mode(), Gdiplus::FillModeWinding);

  drawing::Pen pen;
  pen.create_pen1(blue, 2.0f, Gdiplus::UnitPixel);
  drawing::SolidBrush fill;
  ASSERT_TRUE(pen.get_pen_brush_fill(fill));
  EXPECT_EQ(fill.get_solid_fill_color(), blue);
  EXPECT_EQ(pen.get_pen_color(), blue);
}

TEST(Statuses, GettersReturnValuesAndFailuresShowInTheStatus) {
  drawing::Region region;
  ASSERT_TRUE(region.create_region_rect(drawing::RectF(0, 0, 10, 5)));
  Canvas canvas(4, 4);
  const drawing::RectF bounds = region.get_region_bounds(canvas.graphics);
  EXPECT_FLOAT_EQ(bounds.Width, 10.0f);
  EXPECT_TRUE(region.is_visible_region_point(2.0f, 2.0f, canvas.graphics));
  EXPECT_FALSE(region.is_visible_region_point(20.0f, 2.0f, nullptr));
  EXPECT_EQ(drawing::last_status, Gdiplus::Ok);

  drawing::Pen empty;
  EXPECT_EQ(empty.get_pen_width(), 0.0f);
  EXPECT_EQ(drawing::last_status, Gdiplus::InvalidParameter);
}

// Wine's gdiplus.dll exports GdipSetPenUnit only as a stub that raises an exception; the layer
// treats it as missing.
TEST(Statuses, MissingFlatFunctionGivesNotImplemented) {
  drawing::Pen pen;
  ASSERT_TRUE(pen.create_pen1(red, 1.0f, Gdiplus::UnitPixel));
  const bool set = pen.set_pen_unit(Gdiplus::UnitPixel);
  if (running_on_wine()) {
    EXPECT_FALSE(set);
    EXPECT_EQ(drawing::last_status, Gdiplus::NotImplemented);
  } else {
    EXPECT_TRUE(set);
  }
}

TEST(Memory, AllocAndFreeGoThroughGdiplus) {
  void* block = drawing::DrawingObject::alloc(64);
  ASSERT_NE(block, nullptr);
  drawing::DrawingObject::free(block);
}

TEST(Transforms, AboutAPointWorksForEveryClassThatTransforms) {
  drawing::Pen pen;
  pen.create_pen1(red, 1.0f, Gdiplus::UnitPixel);
  ASSERT_TRUE(pen.scale_pen_transform(2.0f, 2.0f, 5.0f, 5.0f));
  drawing::Matrix m;
  m.create_matrix();
  ASSERT_TRUE(pen.get_pen_transform(m));
  // Scale 2 about (5, 5): x' = 2x - 5.
  EXPECT_FLOAT_EQ(m.get_matrix_elements()[0], 2.0f);
  EXPECT_FLOAT_EQ(m.get_matrix_elements()[4], -5.0f);

  drawing::Bitmap tile;
  tile.create_bitmap_from_scan0(2, 2);
  drawing::TextureBrush texture;
  texture.create_texture(tile);
  ASSERT_TRUE(texture.rotate_texture_transform(180.0f, 5.0f, 0.0f));
  ASSERT_TRUE(texture.get_texture_transform(m));
  // Half a turn about (5, 0): x' = 10 - x.
  EXPECT_NEAR(m.get_matrix_elements()[0], -1.0f, 1e-4);
  EXPECT_NEAR(m.get_matrix_elements()[4], 10.0f, 1e-4);
}

}  // namespace
}  // namespace drawing_test
