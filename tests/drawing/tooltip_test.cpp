// The tooltip window over a real owner window.
#include <gtest/gtest.h>

#include "drawing/tooltip_window.h"
#include "tests/support/gbk.h"

namespace drawing_test {
namespace {

struct OwnerWindow {
  HWND window = CreateWindowExA(0, "STATIC", "owner", WS_OVERLAPPEDWINDOW, 0, 0, 300, 200, nullptr,
                                nullptr, GetModuleHandleA(nullptr), nullptr);
  ~OwnerWindow() { DestroyWindow(window); }
};

TOOLINFOA query(HWND tooltip, HWND owner, UINT_PTR id, char* text) {
  TOOLINFOA info{};
  info.cbSize = TTTOOLINFOA_V2_SIZE;
  info.hwnd = owner;
  info.uId = id;
  info.lpszText = text;
  SendMessageA(tooltip, TTM_GETTOOLINFOA, 0, reinterpret_cast<LPARAM>(&info));
  return info;
}

TEST(Tooltip, TakesAToolANewRectangleAndANewText) {
  OwnerWindow owner;
  ASSERT_NE(owner.window, nullptr);
  drawing::TooltipWindow tooltip;
  ASSERT_TRUE(tooltip.create(TTS_ALWAYSTIP));
  ASSERT_TRUE(IsWindow(tooltip.window()));
  char class_name[64] = {};
  GetClassNameA(tooltip.window(), class_name, sizeof class_name);
  EXPECT_STREQ(class_name, "tooltips_class32");

  const std::string first = test_support::gbk("复制成功");
  ASSERT_TRUE(tooltip.add_tool(owner.window, 7, RECT{1, 2, 30, 40}, first));
  EXPECT_EQ(SendMessageA(tooltip.window(), TTM_GETTOOLCOUNT, 0, 0), 1);
  char text[80] = {};
  EXPECT_EQ(query(tooltip.window(), owner.window, 7, text).rect.right, 30);
  EXPECT_EQ(std::string(text), first);

  tooltip.new_tool_rect(owner.window, 7, RECT{5, 6, 70, 80});
  const TOOLINFOA moved = query(tooltip.window(), owner.window, 7, text);
  EXPECT_EQ(moved.rect.left, 5);
  EXPECT_EQ(moved.rect.bottom, 80);

  const std::string second = test_support::gbk("新的提示");
  tooltip.update_tip_text(owner.window, 7, second);
  char updated[80] = {};
  query(tooltip.window(), owner.window, 7, updated);
  EXPECT_EQ(std::string(updated), second);

  tooltip.set_max_tip_width(150);
  EXPECT_EQ(tooltip.set_max_tip_width(200), 150);
  tooltip.set_tip_bk_color(RGB(1, 2, 3));
  EXPECT_EQ(SendMessageA(tooltip.window(), TTM_GETTIPBKCOLOR, 0, 0), RGB(1, 2, 3));
  tooltip.set_tip_text_color(RGB(4, 5, 6));
  EXPECT_EQ(SendMessageA(tooltip.window(), TTM_GETTIPTEXTCOLOR, 0, 0), RGB(4, 5, 6));

  ASSERT_TRUE(tooltip.add_tool_callback(owner.window, 8, RECT{0, 0, 10, 10}));
  EXPECT_EQ(SendMessageA(tooltip.window(), TTM_GETTOOLCOUNT, 0, 0), 2);
  tooltip.del_tool(owner.window, 7);
  EXPECT_EQ(SendMessageA(tooltip.window(), TTM_GETTOOLCOUNT, 0, 0), 1);
}

TEST(Tooltip, LastCopyDestroysTheWindow) {
  HWND window = nullptr;
  {
    drawing::TooltipWindow tooltip;
    ASSERT_TRUE(tooltip.create());
    window = tooltip.window();
    {
      const drawing::TooltipWindow copy = tooltip;
      EXPECT_EQ(copy.window(), window);
    }
    EXPECT_TRUE(IsWindow(window));
  }
  EXPECT_FALSE(IsWindow(window));
}

}  // namespace
}  // namespace drawing_test
