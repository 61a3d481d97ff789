#include "skin/core/platform.h"

#include <gtest/gtest.h>
#include <windows.h>

#include "tests/support/gbk.h"
#include "tests/skin/test_windows.h"

namespace {

TEST(Platform, WindowTextIsReadAsGbk) {
  skin_test::Window window = skin_test::create_top_window(0, 0, 100, 100);
  const std::string text = test_support::gbk("砚溪 标题");
  SetWindowTextA(window.get(), text.c_str());
  EXPECT_EQ(skin::window_text(window.get()), text);
  SetWindowTextA(window.get(), "");
  EXPECT_EQ(skin::window_text(window.get()), "");
  EXPECT_EQ(skin::window_text(nullptr), "");
}

TEST(Platform, ParentOfStopsAtTheTopLevelWindow) {
  skin_test::Window top = skin_test::create_top_window(0, 0, 100, 100);
  HWND child = skin_test::create_child("Static", top.get(), 0, 0, 10, 10);
  HWND owned = CreateWindowExA(0, "Static", "", WS_POPUP, 0, 0, 10, 10, top.get(), nullptr,
                               nullptr, nullptr);
  ASSERT_EQ(GetParent(owned), top.get());
  EXPECT_EQ(skin::parent_of(child), top.get());
  EXPECT_EQ(skin::parent_of(owned), nullptr);
  EXPECT_EQ(skin::parent_of(top.get()), nullptr);
  DestroyWindow(owned);
}

TEST(Platform, PropertiesHoldIntegersAndHandles) {
  skin_test::Window window = skin_test::create_top_window(0, 0, 100, 100);
  HWND w = window.get();
  EXPECT_EQ(skin::get_property<int>(w, "Hw_lbID"), 0);
  skin::set_property(w, "Hw_lbID", 3);
  skin::set_property(w, "Hw_hProc", w);
  EXPECT_EQ(skin::get_property<int>(w, "Hw_lbID"), 3);
  EXPECT_EQ(skin::get_property<HWND>(w, "Hw_hProc"), w);
  EXPECT_EQ(GetPropA(w, "Hw_lbID"), reinterpret_cast<HANDLE>(3));
}

TEST(Platform, RectanglesOfARealWindow) {
  skin_test::Window top = skin_test::create_top_window(30, 40, 120, 90);
  const RECT r = skin::window_rect(top.get());
  EXPECT_EQ(r.left, 30);
  EXPECT_EQ(r.top, 40);
  EXPECT_EQ(skin::width_of(r), 120);
  EXPECT_EQ(skin::height_of(r), 90);
  const RECT c = skin::client_rect(top.get());
  EXPECT_EQ(c.left, 0);
  EXPECT_EQ(c.right, 120);
  EXPECT_EQ(c.bottom, 90);
}

}  // namespace
