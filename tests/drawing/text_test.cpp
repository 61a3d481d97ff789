// GBK texts measured and drawn, with installed, mapped and missing family names.
#include <gtest/gtest.h>

#include "tests/drawing/canvas.h"
#include "tests/support/gbk.h"

namespace drawing_test {
namespace {

// Pixels that differ from the white background inside a box.
int inked_pixels(const Canvas& canvas, int width, int height) {
  int inked = 0;
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) inked += canvas.pixel(x, y) != white;
  }
  return inked;
}

struct FamilyCase {
  const char* utf8_name;
  Gdiplus::Status expected_status;
};

class GbkText : public testing::TestWithParam<FamilyCase> {};

TEST_P(GbkText, MeasuresWiderThanZeroAndDrawsVisiblePixels) {
  const FamilyCase c = GetParam();
  drawing::Font font;
  font.create_font(test_support::gbk(c.utf8_name), 16.0f, Gdiplus::FontStyleRegular,
                   Gdiplus::UnitPixel);
  EXPECT_EQ(drawing::last_status, c.expected_status);
  ASSERT_NE(font.native(), nullptr) << "a missing family still gives a font";

  Canvas canvas(200, 40);
  drawing::StringFormat format;
  ASSERT_TRUE(format.create_string_format(0, LANG_NEUTRAL));
  ASSERT_TRUE(format.set_string_format_align(Gdiplus::StringAlignmentNear));
  ASSERT_TRUE(format.set_string_format_line_align(Gdiplus::StringAlignmentNear));
  ASSERT_TRUE(format.set_string_format_trimming(Gdiplus::StringTrimmingEllipsisCharacter));
  const std::string text = test_support::gbk("砚溪 writes 名字");
  const drawing::RectF layout(0, 0, 200, 40);
  const drawing::RectF bounds = canvas.graphics.measure_string(text, font, layout, format);
  EXPECT_EQ(drawing::last_status, Gdiplus::Ok);
  EXPECT_GT(bounds.Width, 0.0f);
  EXPECT_GT(bounds.Height, 0.0f);

  drawing::SolidBrush brush;
  brush.create_solid_fill(black);
  ASSERT_TRUE(canvas.graphics.draw_string(text, font, layout, format, brush));
  EXPECT_GT(inked_pixels(canvas, 200, 40), 20);
}

INSTANTIATE_TEST_SUITE_P(
    Families, GbkText,
    testing::Values(FamilyCase{"宋体", Gdiplus::Ok},   // mapped to an installed CJK font
                    FamilyCase{"微软雅黑", Gdiplus::Ok},
                    FamilyCase{"不存在的字体", Gdiplus::FontFamilyNotFound},
                    FamilyCase{"No Such Family 7", Gdiplus::FontFamilyNotFound}));

TEST(FontFamilies, MissingNameFallsBackButReportsTheMiss) {
  drawing::FontFamily family;
  EXPECT_FALSE(family.create_font_family_from_name(test_support::gbk("不存在的字体")));
  EXPECT_EQ(drawing::last_status, Gdiplus::FontFamilyNotFound);
  ASSERT_NE(family.native(), nullptr);
  EXPECT_FALSE(family.get_family_name().empty());
  EXPECT_GT(family.get_em_height(Gdiplus::FontStyleRegular), 0);
}

TEST(FontFamilies, NameComesBackAsGbk) {
  drawing::FontFamily family;
  ASSERT_TRUE(family.create_font_family_from_name(test_support::gbk("宋体")));
  EXPECT_FALSE(family.get_family_name().empty());
  drawing::Font font;
  ASSERT_TRUE(font.create_font(family, 12.0f, Gdiplus::FontStyleBold, Gdiplus::UnitPoint));
  EXPECT_FLOAT_EQ(font.get_font_size(), 12.0f);
  EXPECT_EQ(font.get_font_style(), Gdiplus::FontStyleBold);
  drawing::FontFamily of_font;
  ASSERT_TRUE(font.get_family(of_font));
  EXPECT_EQ(of_font.get_family_name(), family.get_family_name());
}

TEST(FontFamilies, InstalledCollectionListsFamilies) {
  Gdiplus::GpFontCollection* installed = nullptr;
  ASSERT_EQ(Gdiplus::DllExports::GdipNewInstalledFontCollection(&installed), Gdiplus::Ok);
  drawing::FontCollection collection;
  collection.set_handle(installed);
  const INT count = collection.get_font_collection_family_count();
  EXPECT_GT(count, 0);
  const std::vector<drawing::FontFamily> families = collection.get_font_collection_family_list();
  EXPECT_EQ(static_cast<INT>(families.size()), count);
  ASSERT_FALSE(families.empty());
  EXPECT_FALSE(families.front().get_family_name().empty());
}

TEST(Fonts, StockGuiFontAndDcFontsAreUsable) {
  drawing::Font gui;
  ASSERT_TRUE(gui.create_font_from_stock_gui_font());
  EXPECT_GT(gui.get_font_size(), 0.0f);

  HDC screen = GetDC(nullptr);
  HGDIOBJ previous = SelectObject(screen, GetStockObject(DEFAULT_GUI_FONT));
  drawing::Font from_dc;
  EXPECT_TRUE(from_dc.create_font_from_dc(screen));
  SelectObject(screen, previous);
  ReleaseDC(nullptr, screen);
  EXPECT_NE(from_dc.native(), nullptr);
}

}  // namespace
}  // namespace drawing_test
