// Creating and destroying skin objects and window records many times leaves no GDI object and no
// thunk behind. GDI objects are counted over the whole process (test_windows.h).
#include <gtest/gtest.h>
#include <windows.h>

#include "skin/core/background.h"
#include "skin/core/dc_registry.h"
#include "skin/core/properties.h"
#include "skin/core/thunk.h"
#include "skin/core/window_records.h"
#include "skin/core/window_skin.h"
#include "tests/skin/test_windows.h"

namespace {

constexpr int rounds = 40;

void skin_objects_round() {
  auto* skin = new skin::WindowSkin;
  auto* copy = skin->call<skin::WindowSkin*>(1);
  copy->call<void>(0);
  skin->call<void>(0);
}

// A skinned window with controls and the painter's objects, whose button paints on background
// snapshots; removed as the window is destroyed.
void destroyed_window_round() {
  skin_test::Window window = skin_test::create_top_window(0, 0, 120, 80);
  HWND button = skin_test::create_child("Button", window.get(), 0, 0, 40, 20);
  const int w = skin_test::skin_window(window.get());
  skin::WindowRecord& r = skin::window_records()[w];
  skin_test::register_control(r.button_list, button, w);
  skin_test::give_painter_objects(r, button);
  skin::release_dc(skin::background_snapshot(button, {0, 0, 40, 20}));
  DeleteObject(skin::control_background_bitmap(button));
  // The button's brush is the colour message handler's to delete, not the record's.
  DeleteObject(host::get_property<HGDIOBJ>(button, skin::property::colour_brush));
  DeleteObject(host::get_property<HGDIOBJ>(button, skin::property::colour_brush_bitmap));
  DestroyWindow(window.get());
}

// A record whose edit box holds colour brushes, removed while its controls still exist.
void removed_record_round() {
  skin_test::Window window = skin_test::create_top_window(0, 0, 120, 80);
  HWND edit = skin_test::create_child("Edit", window.get(), 0, 0, 40, 20);
  const int w = skin_test::skin_window(window.get());
  skin::WindowRecord& r = skin::window_records()[w];
  skin_test::register_control(r.edit_list, edit, w);
  skin_test::give_painter_objects(r, edit);
  skin::remove_window_record(window.get());
}

TEST(Leaks, NoGdiObjectOrThunkOutlivesItsOwner) {
  struct Case {
    const char* name;
    void (*round)();
  };
  const Case cases[] = {
      {"skin objects, copied and destroyed", skin_objects_round},
      {"skinned windows destroyed", destroyed_window_round},
      {"records removed", removed_record_round},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    c.round();  // the first round may create the system's own objects once
    skin_test::pump_messages();
    const int gdi = skin_test::live_gdi_objects();
    const int thunks = skin::ThunkBlock::live_count();
    for (int i = 0; i < rounds; ++i) c.round();
    skin_test::pump_messages();
    EXPECT_EQ(skin_test::live_gdi_objects(), gdi);
    EXPECT_EQ(skin::ThunkBlock::live_count(), thunks);
    EXPECT_EQ(skin::window_records().count(), 0);
    EXPECT_TRUE(skin::dc_registry().empty());
  }
}

}  // namespace
