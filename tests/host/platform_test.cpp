#include "host/platform.h"

#include <gtest/gtest.h>
#include <windows.h>

#include "tests/support/gbk.h"
#include "tests/support/win32.h"

namespace {

using test_support::Window;

Window create_top_window(int x, int y, int width, int height) {
  return Window(CreateWindowExA(0, "Static", "", WS_POPUP, x, y, width, height, nullptr, nullptr,
                                nullptr, nullptr));
}

HWND create_child(const char* class_name, HWND parent, int x, int y, int width, int height) {
  return CreateWindowExA(0, class_name, "", WS_CHILD, x, y, width, height, parent, nullptr,
                         nullptr, nullptr);
}

TEST(Platform, WindowTextIsReadAsGbk) {
  Window window = create_top_window(0, 0, 100, 100);
  const std::string text = test_support::gbk("砚溪 标题");
  SetWindowTextA(window.get(), text.c_str());
  EXPECT_EQ(host::window_text(window.get()), text);
  SetWindowTextA(window.get(), "");
  EXPECT_EQ(host::window_text(window.get()), "");
  EXPECT_EQ(host::window_text(nullptr), "");
}

TEST(Platform, ParentOfStopsAtTheTopLevelWindow) {
  Window top = create_top_window(0, 0, 100, 100);
  HWND child = create_child("Static", top.get(), 0, 0, 10, 10);
  HWND owned = CreateWindowExA(0, "Static", "", WS_POPUP, 0, 0, 10, 10, top.get(), nullptr,
                               nullptr, nullptr);
  ASSERT_EQ(GetParent(owned), top.get());
  EXPECT_EQ(host::parent_of(child), top.get());
  EXPECT_EQ(host::parent_of(owned), nullptr);
  EXPECT_EQ(host::parent_of(top.get()), nullptr);
  DestroyWindow(owned);
}

TEST(Platform, PropertiesHoldIntegersAndHandles) {
  Window window = create_top_window(0, 0, 100, 100);
  HWND w = window.get();
  EXPECT_EQ(host::get_property<int>(w, "Hw_lbID"), 0);
  host::set_property(w, "Hw_lbID", 3);
  host::set_property(w, "Hw_hProc", w);
  EXPECT_EQ(host::get_property<int>(w, "Hw_lbID"), 3);
  EXPECT_EQ(host::get_property<HWND>(w, "Hw_hProc"), w);
  EXPECT_EQ(GetPropA(w, "Hw_lbID"), reinterpret_cast<HANDLE>(3));
}

TEST(Platform, RectanglesOfARealWindow) {
  Window top = create_top_window(30, 40, 120, 90);
  const RECT r = host::window_rect(top.get());
  EXPECT_EQ(r.left, 30);
  EXPECT_EQ(r.top, 40);
  EXPECT_EQ(host::width_of(r), 120);
  EXPECT_EQ(host::height_of(r), 90);
  const RECT c = host::client_rect(top.get());
  EXPECT_EQ(c.left, 0);
  EXPECT_EQ(c.right, 120);
  EXPECT_EQ(c.bottom, 90);
}

}  // namespace
