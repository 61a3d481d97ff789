// Snapshots of real controls on real skinned windows: the back buffers are DIB sections holding a
// pattern in which every pixel tells where it came from.
#include "skin/core/background.h"

#include <gtest/gtest.h>
#include <windows.h>

#include "skin/core/dc_registry.h"
#include "host/platform.h"
#include "skin/core/properties.h"
#include "skin/core/settings.h"
#include "skin/core/window_records.h"
#include "tests/skin/pictures.h"
#include "tests/skin/test_windows.h"

bool operator==(const RECT& a, const RECT& b) { return EqualRect(&a, &b); }

namespace {

using skin::background_snapshot;
using skin::release_dc;
using skin::window_records;
using skin_test::blend;
using skin_test::create_child;
using skin_test::register_control;

// Opaque, and different for every pixel of a picture up to 1024 × 256 (and for each `seed`).
COLORREF pattern(int x, int y, int seed) {
  return RGB(x & 0xFF, y & 0xFF, ((x >> 8) << 4) | (seed & 0xF));
}

// A memory DC holding a w × h DIB section filled with the pattern; deleted with the picture.
class PatternPicture {
 public:
  PatternPicture(int w, int h, int seed) : dc_(CreateCompatibleDC(nullptr)) {
    BITMAPINFO info{};
    info.bmiHeader = {sizeof(BITMAPINFOHEADER), w, -h, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    void* bits = nullptr;
    bitmap_ = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    auto* pixels = static_cast<std::uint32_t*>(bits);
    for (int y = 0; y < h; ++y) {
      for (int x = 0; x < w; ++x) {
        const COLORREF c = pattern(x, y, seed);
        pixels[y * w + x] = 0xFF000000 | (GetRValue(c) << 16) | (GetGValue(c) << 8) | GetBValue(c);
      }
    }
    replaced_ = SelectObject(dc_, bitmap_);
  }
  ~PatternPicture() {
    SelectObject(dc_, replaced_);
    DeleteObject(bitmap_);
    DeleteDC(dc_);
  }
  PatternPicture(const PatternPicture&) = delete;
  PatternPicture& operator=(const PatternPicture&) = delete;
  HDC dc() const { return dc_; }

 private:
  HDC dc_;
  HBITMAP bitmap_ = nullptr;
  HGDIOBJ replaced_ = nullptr;
};

// Compares every pixel of a w × h snapshot with the pattern at an offset, after an optional tint.
void expect_pattern(HDC snapshot, int w, int h, int dx, int dy, int seed,
                    COLORREF tint = 0, int alpha = 0) {
  int mismatches = 0;
  for (int y = 0; y < h; ++y) {
    for (int x = 0; x < w; ++x) {
      const COLORREF want = pattern(x + dx, y + dy, seed);
      const COLORREF got = GetPixel(snapshot, x, y);
      const int r = blend(GetRValue(want), GetRValue(tint), alpha);
      const int g = blend(GetGValue(want), GetGValue(tint), alpha);
      const int b = blend(GetBValue(want), GetBValue(tint), alpha);
      if (std::abs(GetRValue(got) - r) > 2 || std::abs(GetGValue(got) - g) > 2 ||
          std::abs(GetBValue(got) - b) > 2) {
        if (++mismatches <= 3) ADD_FAILURE() << "pixel " << x << "," << y << std::hex << " got " << got;
      }
    }
  }
  EXPECT_EQ(mismatches, 0);
}

class Snapshot : public ::testing::Test {
 protected:
  void SetUp() override {
    window_records().clear();
    skin::dc_registry().clear();
    window_ = skin_test::create_top_window(50, 60, 400, 300);
    index_ = skin_test::skin_window(top());
    record().back_buffer_dc = back_buffer_.dc();
  }
  void TearDown() override {
    record().back_buffer_dc = nullptr;  // the picture owns it
    window_.reset();
    EXPECT_TRUE(skin::dc_registry().empty());
    window_records().clear();
  }

  HWND top() const { return window_.get(); }
  skin::WindowRecord& record() { return window_records()[index_]; }
  int add_panel(HWND container, COLORREF fill, int alpha, bool skinned = true) {
    const int position = register_control(record().panel_list, container, index_);
    skin::PanelRecord& p = record().panel_list[position];
    p.fill_colour = fill;
    p.fill_alpha = alpha;
    p.skinned = skinned;
    return position;
  }

  static constexpr int window_seed = 1, tab_seed = 2;
  PatternPicture back_buffer_{400, 300, window_seed};
  skin_test::Window window_;
  int index_ = 0;
};

TEST_F(Snapshot, OfAControlOnTheWindowHoldsTheBackBufferBehindIt) {
  HWND button = create_child("Button", top(), 40, 30, 100, 40);
  const HDC s = background_snapshot(button, {0, 0, 100, 40});
  ASSERT_NE(s, nullptr);
  expect_pattern(s, 100, 40, 40, 30, window_seed);
  EXPECT_EQ(release_dc(s), 1);

  // A rectangle inside the control is taken from the same place of the picture.
  const HDC inner = background_snapshot(button, {5, 3, 45, 23});
  expect_pattern(inner, 40, 20, 45, 33, window_seed);
  release_dc(inner);
}

TEST_F(Snapshot, OfATintedPanelOnTheWindowLaysItsTintOverTheCopy) {
  HWND panel = create_child("Static", top(), 20, 20, 200, 150);
  add_panel(panel, 0x0000FF, 128);
  const HDC s = background_snapshot(panel, {0, 0, 200, 150});
  expect_pattern(s, 200, 150, 20, 20, window_seed, 0x0000FF, 128);
  release_dc(s);
}

TEST_F(Snapshot, OfAGroupBoxPanelTintsOnlyInsideItsRoundedFrame) {
  HWND group = create_child("Button", top(), 20, 20, 200, 150, BS_GROUPBOX);
  const int position = add_panel(group, 0xFF0000, 255);
  record().panel_list[position].is_group_box = 1;
  const HDC s = background_snapshot(group, {0, 0, 200, 150});
  expect_pattern(s, 200, 4, 20, 20, window_seed);  // above the frame: untinted
  EXPECT_EQ(GetPixel(s, 100, 75), 0xFF0000u);
  // The frame's rectangle is (0, 5, w, h − 6): row 149 lies below it.
  EXPECT_EQ(GetPixel(s, 100, 148), 0xFF0000u);
  EXPECT_EQ(GetPixel(s, 100, 149), pattern(120, 169, window_seed));
  release_dc(s);
}

TEST_F(Snapshot, OfAControlInAPanelTakesThePanelsTint) {
  HWND panel = create_child("Static", top(), 20, 20, 200, 150);
  HWND inner = create_child("Button", panel, 10, 15, 60, 30);
  add_panel(panel, 0x00FF00, 100);
  const HDC s = background_snapshot(inner, {0, 0, 60, 30});
  expect_pattern(s, 60, 30, 30, 35, window_seed, 0x00FF00, 100);
  release_dc(s);
}

TEST_F(Snapshot, InsideATabHostComesFromItsCachedPicture) {
  HWND tab_host = create_child("SysTabControl32", top(), 30, 40, 300, 200);
  add_panel(tab_host, 0, 255, false);
  host::set_property(tab_host, skin::property::tab_host_mark, 1);
  PatternPicture host_picture(300, 200, tab_seed);
  host::set_property(tab_host, skin::property::cached_picture_dc, host_picture.dc());
  HWND on_host = create_child("Button", tab_host, 10, 30, 50, 20);
  HWND group = create_child("Button", tab_host, 80, 30, 150, 120, BS_GROUPBOX);
  add_panel(group, 0x0000FF, 80);
  host::set_property(group, skin::property::substitute_parent, tab_host);
  HWND in_group = create_child("Button", group, 10, 20, 40, 20);

  // The tab host itself shows the window's picture.
  HDC s = background_snapshot(tab_host, {0, 0, 300, 200});
  expect_pattern(s, 300, 200, 30, 40, window_seed);
  release_dc(s);
  // A control on it shows the tab host's picture.
  s = background_snapshot(on_host, {0, 0, 50, 20});
  expect_pattern(s, 50, 20, 10, 30, tab_seed);
  release_dc(s);
  // A control in a tinted group box on it: the tab host's picture under the group box's tint.
  s = background_snapshot(in_group, {0, 0, 40, 20});
  expect_pattern(s, 40, 20, 90, 50, tab_seed, 0x0000FF, 80);
  release_dc(s);
}

TEST_F(Snapshot, OfAHostWithASubstituteParentComesFromThatParentsPicture) {
  HWND outer = create_child("SysTabControl32", top(), 10, 10, 380, 280);
  host::set_property(outer, skin::property::tab_host_mark, 1);
  PatternPicture outer_picture(380, 280, tab_seed);
  host::set_property(outer, skin::property::cached_picture_dc, outer_picture.dc());
  HWND inner = create_child("SysTabControl32", outer, 20, 30, 200, 150);
  host::set_property(inner, skin::property::tab_host_mark, 1);
  host::set_property(inner, skin::property::substitute_parent, outer);
  const HDC s = background_snapshot(inner, {0, 0, 200, 150});
  expect_pattern(s, 200, 150, 20, 30, tab_seed);
  release_dc(s);
}

TEST_F(Snapshot, WithoutASkinnedOwnerThereIsNone) {
  skin_test::Window plain = skin_test::create_top_window(0, 0, 100, 100);
  HWND stray = create_child("Button", plain.get(), 0, 0, 50, 20);
  EXPECT_EQ(background_snapshot(stray, {0, 0, 50, 20}), nullptr);
  EXPECT_EQ(skin::control_background_bitmap(stray), nullptr);
}

TEST_F(Snapshot, ControlBackgroundBitmapIsTheClientAreaUnderTheWash) {
  HWND edit = create_child("Edit", top(), 60, 70, 120, 30, 0, WS_EX_CLIENTEDGE);
  const RECT box = skin::client_box(edit);
  const int wash = skin::skin_settings().wash_alpha;
  const HBITMAP bitmap = skin::control_background_bitmap(edit);
  ASSERT_NE(bitmap, nullptr);
  BITMAP info{};
  GetObjectA(bitmap, sizeof info, &info);
  EXPECT_EQ(info.bmWidth, host::width_of(box));
  EXPECT_EQ(info.bmHeight, host::height_of(box));
  const HDC dc = CreateCompatibleDC(nullptr);
  const HGDIOBJ replaced = SelectObject(dc, bitmap);
  expect_pattern(dc, info.bmWidth, info.bmHeight, 60 + box.left, 70 + box.top, window_seed,
                 0xFFFFFF, wash);
  SelectObject(dc, replaced);
  DeleteDC(dc);
  DeleteObject(bitmap);
}

TEST_F(Snapshot, RelativeRectangles) {
  HWND panel = create_child("Static", top(), 20, 25, 200, 150);
  add_panel(panel, 0, 255);
  HWND plain = create_child("Static", panel, 10, 10, 150, 100);
  HWND inner = create_child("Button", plain, 5, 7, 30, 20);
  EXPECT_EQ(skin::rect_in_owner(top()), (RECT{0, 0, 0, 0}));
  EXPECT_EQ(skin::rect_in_owner(panel), (RECT{20, 25, 220, 175}));
  // The nearest panel, past the plain container.
  EXPECT_EQ(skin::rect_in_owner(inner), (RECT{15, 17, 45, 37}));
  EXPECT_EQ(skin::rect_in(plain, inner), (RECT{5, 7, 35, 27}));
  EXPECT_EQ(skin::rect_in_root(inner), (RECT{35, 42, 65, 62}));
}

TEST(ClientBox, TakesBordersAsEqualAndScrollBarsAsSeventeenPixels) {
  skin_test::Window top = skin_test::create_top_window(0, 0, 400, 300);
  constexpr DWORD both_bars = WS_VSCROLL | WS_HSCROLL | ES_MULTILINE;
  struct Case {
    const char* name;
    const char* class_name;
    DWORD style;
    DWORD ex_style;
    RECT expected;  // of a 200 × 100 control
  };
  const Case cases[] = {
      {"no border", "Edit", 0, 0, {0, 0, 200, 100}},
      {"client edge", "Edit", 0, WS_EX_CLIENTEDGE, {2, 2, 198, 98}},
      {"both scroll bars", "Edit", both_bars, WS_EX_CLIENTEDGE, {2, 2, 181, 81}},
      {"vertical scroll bar", "Edit", WS_VSCROLL | ES_MULTILINE, WS_EX_CLIENTEDGE,
       {2, 2, 181, 98}},
      {"thin border, vertical scroll bar", "ListBox",
       WS_BORDER | WS_VSCROLL | LBS_DISABLENOSCROLL | LBS_NOINTEGRALHEIGHT, 0, {1, 1, 182, 99}},
  };
  ASSERT_EQ(GetSystemMetrics(SM_CXVSCROLL), 17);
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    HWND control = create_child(c.class_name, top.get(), 0, 0, 200, 100, c.style, c.ex_style);
    const RECT box = skin::client_box(control);
    EXPECT_EQ(box, c.expected) << box.left << "," << box.top << "," << box.right << ","
                               << box.bottom;
    DestroyWindow(control);
  }
}

TEST(ClassName, IsTheSystemClassName) {
  skin_test::Window top = skin_test::create_top_window(0, 0, 100, 100);
  EXPECT_EQ(skin::class_name_of(create_child("Button", top.get(), 0, 0, 10, 10)), "Button");
  EXPECT_EQ(skin::class_name_of(create_child("msctls_trackbar32", top.get(), 0, 0, 10, 10)),
            "msctls_trackbar32");
  EXPECT_EQ(skin::class_name_of(top.get()), "YanxiSkinTestWindow");
  EXPECT_EQ(skin::class_name_of(nullptr), "");
}

}  // namespace
