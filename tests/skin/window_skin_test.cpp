#include "skin/core/window_skin.h"

#include <gdiplus.h>
#include <gtest/gtest.h>
#include <windows.h>

#include <memory>

#include "skin/core/properties.h"
#include "skin/core/settings.h"
#include "tests/skin/test_windows.h"

namespace {

using skin::WindowSkin;

constexpr UINT answered_message = WM_USER + 5;

LRESULT CALLBACK answering_proc(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  if (message == answered_message) return static_cast<LRESULT>(wparam + lparam);
  return DefWindowProcA(window, message, wparam, lparam);
}

TEST(WindowSkin, ConstructorBuildsBothThunksAndTakesTheFaceColour) {
  skin::skin_settings().theme_colour = 0x123456;
  const WindowSkin skin;
  EXPECT_FALSE(skin.window_proc_thunk.empty());
  EXPECT_FALSE(skin.button_action_thunk.empty());
  EXPECT_EQ(skin.button_action_entry, skin.button_action_thunk.entry_address());
  EXPECT_EQ(skin.border_width, 0);
  EXPECT_EQ(skin.hit_button, 0);
  EXPECT_EQ(skin::skin_settings().theme_colour, GetSysColor(COLOR_BTNFACE));
}

TEST(WindowSkin, TableHasFortyTwoSlotsAndUnfilledSlotsAreSafeToCall) {
  WindowSkin skin;
  const auto table = WindowSkin::operations();
  ASSERT_EQ(table.size(), 42u);
  for (int slot = 0; slot <= 3; ++slot) EXPECT_NE(table[slot], nullptr) << slot;
  EXPECT_EQ(table[10], nullptr);
  // An unfilled slot, and slots outside the table, do nothing and give zero.
  EXPECT_EQ(skin.call(10, 1, static_cast<HDC>(nullptr), 1), 0u);
  EXPECT_EQ(skin.call(-1), 0u);
  EXPECT_EQ(skin.call(42), 0u);
  // The caption-button action is callable both by slot and through its thunk.
  skin.call<void>(WindowSkin::caption_button_action_slot, 1, 1);
  reinterpret_cast<void(__stdcall*)(int, int)>(skin.button_action_entry)(1, 1);
}

TEST(WindowSkin, WindowProcedureThunkPassesMessagesToTheSavedProcedure) {
  const WindowSkin skin;
  skin_test::Window window = skin_test::create_top_window(20, 20, 160, 120);
  HWND w = window.get();
  host::set_property(w, skin::property::previous_proc, &answering_proc);
  SetWindowLongA(w, GWL_WNDPROC, static_cast<LONG>(skin.window_proc_thunk.entry_address()));
  EXPECT_EQ(SendMessageA(w, answered_message, 40, 2), 42);
  // Also by slot number.
  EXPECT_EQ((const_cast<WindowSkin&>(skin).call<LRESULT>(WindowSkin::window_procedure_slot, w,
                                                         answered_message, WPARAM{5}, LPARAM{6})),
            11);

  // Without a saved procedure the system's default procedure answers.
  RemovePropA(w, skin::property::previous_proc);
  SetWindowTextA(w, "plain");
  char text[16] = {};
  GetWindowTextA(w, text, sizeof text);
  EXPECT_STREQ(text, "plain");
  EXPECT_EQ(SendMessageA(w, answered_message, 40, 2), 0);
  DestroyWindow(w);
}

TEST(WindowSkin, CopyDuplicatesTheCodeBlocksAndKeepsTheFields) {
  WindowSkin original;
  original.border_width = 3;
  original.hit_button = 2;
  std::unique_ptr<WindowSkin> copy(original.call<WindowSkin*>(1));
  ASSERT_TRUE(copy);
  EXPECT_EQ(copy->border_width, 3);
  EXPECT_EQ(copy->hit_button, 2);
  EXPECT_NE(copy->window_proc_thunk.entry(), original.window_proc_thunk.entry());
  EXPECT_NE(copy->button_action_thunk.entry(), original.button_action_thunk.entry());
  EXPECT_EQ(copy->button_action_entry, copy->button_action_thunk.entry_address());
  EXPECT_FALSE(copy->window_proc_thunk.empty());
}

TEST(WindowSkin, DestroyEndsTheModuleAndFreesBothThunks) {
  skin::SkinSettings& settings = skin::skin_settings();
  Gdiplus::GdiplusStartupInput input;
  ASSERT_EQ(Gdiplus::GdiplusStartup(&settings.gdiplus_token, &input, nullptr), Gdiplus::Ok);
  const BYTE and_mask[32 * 4] = {}, xor_mask[32 * 4] = {};
  settings.skin_icon = CreateIcon(nullptr, 32, 32, 1, 1, and_mask, xor_mask);
  ASSERT_NE(settings.skin_icon, nullptr);
  const HICON icon = settings.skin_icon;
  const int live = skin::ThunkBlock::live_count();

  auto* skin = new WindowSkin;
  void* const entry = skin->window_proc_thunk.entry();
  EXPECT_EQ(skin::ThunkBlock::live_count(), live + 2);
  skin->call<void>(0);

  EXPECT_EQ(skin::ThunkBlock::live_count(), live);
  MEMORY_BASIC_INFORMATION info{};
  VirtualQuery(entry, &info, sizeof info);
  EXPECT_EQ(info.State, static_cast<DWORD>(MEM_FREE));
  EXPECT_EQ(settings.skin_icon, nullptr);
  EXPECT_EQ(settings.gdiplus_token, 0u);
  ICONINFO icon_info{};
  EXPECT_FALSE(GetIconInfo(icon, &icon_info));
}

TEST(SkinModule, StartSetsTheStartValuesAndStartsGdiplus) {
  skin::SkinSettings& settings = skin::skin_settings();
  settings.first_size_pending = 0;
  settings.control_switch = 0;
  settings.wash_alpha = 7;
  settings.accent_colour = 1;
  settings.trackbar_detail_flag = 0;
  settings.theme_colour = 0x0A0B0C;
  skin_test::skin_window(reinterpret_cast<HWND>(0x1234));

  skin::start_skin_module(GetModuleHandleA(nullptr));
  EXPECT_NE(settings.gdiplus_token, 0u);
  // The test program carries neither icon resource.
  EXPECT_EQ(settings.skin_icon, nullptr);
  EXPECT_EQ(settings.first_size_pending, 1);
  EXPECT_EQ(settings.control_switch, 1);
  EXPECT_EQ(settings.wash_alpha, 160);
  EXPECT_EQ(settings.accent_colour, 0xDDCA22u);
  EXPECT_EQ(settings.trackbar_detail_flag, 1);
  EXPECT_EQ(settings.theme_colour, 0x0A0B0Cu);
  EXPECT_EQ(skin::window_records().count(), 0);
  skin::end_skin_module();
  EXPECT_EQ(settings.gdiplus_token, 0u);
}

}  // namespace
