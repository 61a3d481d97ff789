#include "skin/core/window_records.h"

#include <gtest/gtest.h>
#include <windows.h>

#include "host/platform.h"
#include "skin/core/properties.h"
#include "tests/skin/test_windows.h"

namespace {

using skin::find_owner;
using skin::property::list_index;
using skin::property::window_index;
using skin::window_records;
using skin::WindowRecord;
using skin_test::create_child;
using skin_test::register_control;

class WindowRecords : public ::testing::Test {
 protected:
  void SetUp() override { window_records().clear(); }
  void TearDown() override { window_records().clear(); }
};

template <class Record>
void expect_one_empty_record(const skin::List<Record>& list) {
  ASSERT_EQ(list.count(), 1);
  EXPECT_EQ(list[1].handle, nullptr);
}

TEST_F(WindowRecords, NewRecordIsZeroedAndEveryListHoldsOneEmptyRecord) {
  const WindowRecord r;
  EXPECT_EQ(r.hwnd, nullptr);
  EXPECT_EQ(r.caption_height, 0);
  EXPECT_EQ(r.caption_buttons.count(), 0);
  EXPECT_EQ(r.status_items.count(), 1);
  EXPECT_EQ(r.status_item_rects.count(), 1);
  expect_one_empty_record(r.button_list);
  expect_one_empty_record(r.edit_list);
  expect_one_empty_record(r.frame_list);
  expect_one_empty_record(r.trackbar_list);
  expect_one_empty_record(r.progress_list);
  expect_one_empty_record(r.combo_list);
  expect_one_empty_record(r.updown_list);
  expect_one_empty_record(r.header_list);
  expect_one_empty_record(r.extra_control_list);
  expect_one_empty_record(r.panel_list);
  expect_one_empty_record(r.docked_list);
  expect_one_empty_record(skin::PanelRecord{}.docked_children);
}

TEST_F(WindowRecords, FirstRegistrationTakesOverTheEmptyRecordLaterOnesAppend) {
  skin::RecordList<skin::EditRecord> list;
  const auto a = reinterpret_cast<HWND>(0x10), b = reinterpret_cast<HWND>(0x20);
  EXPECT_EQ(list.register_record({a}), 1);
  EXPECT_EQ(list.register_record({b}), 2);
  ASSERT_EQ(list.count(), 2);
  EXPECT_EQ(list[1].handle, a);
  EXPECT_EQ(list[2].handle, b);
}

TEST_F(WindowRecords, PositionOutsideTheListEndsTheProgram) {
  EXPECT_EXIT(
      {
        skin::List<int> list{1};
        list[2] = 0;
      },
      ::testing::ExitedWithCode(3), "");
}

TEST_F(WindowRecords, AppendStoresADeepCopy) {
  WindowRecord r;
  r.hwnd = reinterpret_cast<HWND>(0x100);
  r.caption_font_name = "font";
  r.background_image = {1, 2, 3};
  skin::CaptionButton button;
  button.picture = {9, 9};
  button.tip = "tip";
  r.caption_buttons.append(button);
  r.button_list[1].caption = "caption";
  r.panel_list[1].docked_children.append({reinterpret_cast<HWND>(0x7), 4});

  EXPECT_EQ(skin::append_window_record(r), 1);
  EXPECT_EQ(skin::append_window_record(r), 2);
  WindowRecord& stored = window_records()[1];
  r.caption_font_name = "other";
  r.background_image[0] = 0;
  r.caption_buttons[1].picture[0] = 0;
  r.button_list[1].caption = "changed";
  r.panel_list[1].docked_children[2].top = 99;

  EXPECT_EQ(stored.hwnd, reinterpret_cast<HWND>(0x100));
  EXPECT_EQ(stored.caption_font_name, "font");
  EXPECT_EQ(stored.background_image, (skin::Bytes{1, 2, 3}));
  ASSERT_EQ(stored.caption_buttons.count(), 1);
  EXPECT_EQ(stored.caption_buttons[1].picture, (skin::Bytes{9, 9}));
  EXPECT_EQ(stored.caption_buttons[1].tip, "tip");
  EXPECT_EQ(stored.button_list[1].caption, "caption");
  EXPECT_EQ(stored.panel_list[1].docked_children[2].top, 4);
  EXPECT_NE(stored.background_image.data(), window_records()[2].background_image.data());
}

TEST_F(WindowRecords, LookupsWalkUpToTheTopLevelWindowOnly) {
  skin_test::Window top = skin_test::create_top_window(0, 0, 300, 200);
  skin_test::Window plain = skin_test::create_top_window(0, 0, 100, 100);
  HWND group = create_child("Button", top.get(), 10, 10, 200, 150, BS_GROUPBOX);
  HWND inner = create_child("Static", group, 10, 20, 150, 100);
  HWND button = create_child("Button", inner, 5, 5, 60, 20);
  // A top-level window owned by the skinned one: GetParent would give its owner.
  HWND owned = CreateWindowExA(0, "Static", "", WS_POPUP, 0, 0, 50, 50, top.get(), nullptr,
                               nullptr, nullptr);
  skin_test::skin_window(plain.get());
  const int w = skin_test::skin_window(top.get());
  ASSERT_EQ(w, 2);
  WindowRecord& r = window_records()[w];
  const int group_panel = register_control(r.panel_list, group, w);
  const int inner_panel = register_control(r.panel_list, inner, w);
  r.panel_list[group_panel].skinned = 1;

  EXPECT_EQ(skin::find_window_record(top.get()), 2);
  EXPECT_EQ(skin::find_window_record(plain.get()), 1);
  EXPECT_EQ(skin::find_window_record(button), 0);
  EXPECT_EQ(skin::find_window_record(nullptr), 0);

  EXPECT_EQ(skin::find_skinned_ancestor(button), 2);
  EXPECT_EQ(skin::find_skinned_ancestor(top.get()), 0);
  EXPECT_EQ(skin::find_skinned_ancestor(owned), 0);

  EXPECT_EQ(skin::find_panel(w, group), 1);
  EXPECT_EQ(skin::find_panel(w, inner), 2);
  EXPECT_EQ(skin::find_panel(w, button), 0);
  EXPECT_EQ(skin::find_panel(w, nullptr), 0);
  EXPECT_EQ(skin::find_panel(7, group), 0);

  // The nearer panel is not skinned, so the walk goes on to the group box.
  EXPECT_EQ(skin::find_marked_panel(w, button, top.get()), group_panel);
  r.panel_list[inner_panel].skinned = 1;
  EXPECT_EQ(skin::find_marked_panel(w, button, top.get()), inner_panel);
  // The stop window itself is not looked at.
  EXPECT_EQ(skin::find_marked_panel(w, inner, group), 0);
  DestroyWindow(owned);
}

TEST_F(WindowRecords, FindOwnerWalks) {
  skin_test::Window top = skin_test::create_top_window(0, 0, 400, 300);
  skin_test::Window unskinned = skin_test::create_top_window(0, 0, 100, 100);
  HWND direct = create_child("Button", top.get(), 5, 5, 50, 20);
  HWND holder = create_child("Static", top.get(), 5, 30, 300, 250);  // not a panel
  HWND deep = create_child("Button", holder, 5, 5, 50, 20);
  HWND panel = create_child("Button", top.get(), 5, 30, 300, 250, BS_GROUPBOX);
  HWND in_panel = create_child("Button", panel, 10, 20, 50, 20);
  HWND tab_host = create_child("SysTabControl32", top.get(), 5, 30, 300, 250);
  HWND on_tab = create_child("Button", tab_host, 10, 30, 50, 20);
  HWND tab_group = create_child("Button", tab_host, 10, 60, 200, 150, BS_GROUPBOX);
  HWND in_tab_group = create_child("Button", tab_group, 10, 20, 50, 20);
  HWND stray = create_child("Button", unskinned.get(), 5, 5, 50, 20);

  const int w = skin_test::skin_window(top.get());
  WindowRecord& r = window_records()[w];
  const int panel_position = register_control(r.panel_list, panel, w);
  const int tab_position = register_control(r.panel_list, tab_host, w);
  const int tab_group_position = register_control(r.panel_list, tab_group, w);
  host::set_property(tab_host, skin::property::tab_host_mark, 1);
  host::set_property(tab_group, skin::property::substitute_parent, tab_host);

  struct Case {
    const char* name;
    HWND control;
    bool use_marks;
    skin::Owner expected;
  };
  const Case cases[] = {
      {"the skinned window itself", top.get(), true, {true, w, 0, nullptr}},
      {"a control on the window", direct, true, {true, w, 0, nullptr}},
      {"a control in a plain container", deep, true, {true, w, 0, nullptr}},
      {"a panel on the window", panel, true, {true, w, 0, nullptr}},
      {"a control in a panel", in_panel, true, {false, w, panel_position, nullptr}},
      {"a control in a panel, no marks", in_panel, false, {false, w, panel_position, nullptr}},
      {"the marked tab host", tab_host, true, {false, 0, 0, tab_host}},
      {"the marked tab host, no marks", tab_host, false, {true, w, 0, nullptr}},
      {"a control on the tab host", on_tab, true, {false, 0, 0, tab_host}},
      {"a control on the tab host, no marks", on_tab, false, {false, w, tab_position, nullptr}},
      {"a control in a panel with a substitute parent", in_tab_group, true,
       {false, 0, 0, tab_host}},
      {"the same, no marks", in_tab_group, false, {false, w, tab_group_position, nullptr}},
      {"an unskinned chain", stray, true, {false, 0, 0, nullptr}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const skin::Owner owner = find_owner(c.control, c.use_marks);
    EXPECT_EQ(owner.is_window, c.expected.is_window);
    EXPECT_EQ(owner.window_index, c.expected.window_index);
    EXPECT_EQ(owner.panel_position, c.expected.panel_position);
    EXPECT_EQ(owner.substitute, c.expected.substitute);
  }
}

// Gives `window` a record with one control in every list, as attach and the per-class attach
// routines do; returns the controls.
std::vector<HWND> skin_with_controls(HWND window) {
  const int w = skin_test::skin_window(window);
  WindowRecord& r = window_records()[w];
  std::vector<HWND> controls;
  auto child = [&](const char* class_name) {
    controls.push_back(create_child(class_name, window, 0, 0, 30, 20));
    return controls.back();
  };
  register_control(r.frame_list, child("ListBox"), w);
  register_control(r.button_list, child("Button"), w);
  register_control(r.button_list, child("Button"), w);
  register_control(r.edit_list, child("Edit"), w);
  register_control(r.combo_list, child("ComboBox"), w);
  register_control(r.header_list, child("SysHeader32"), w);
  register_control(r.updown_list, child("msctls_updown32"), w);
  register_control(r.trackbar_list, child("msctls_trackbar32"), w);
  register_control(r.progress_list, child("msctls_progress32"), w);
  register_control(r.panel_list, child("Static"), w);
  HWND keyed = child("SysMonthCal32");
  r.extra_control_list.register_record({keyed});
  host::set_property(keyed, skin::property::keyed_window_index, w);
  return controls;
}

TEST_F(WindowRecords, DestroyingTheFirstWindowRenumbersTheSecondAndItsControls) {
  skin_test::Window first = skin_test::create_top_window(0, 0, 200, 200);
  skin_test::Window second = skin_test::create_top_window(0, 0, 200, 200);
  skin_with_controls(first.get());
  const std::vector<HWND> controls = skin_with_controls(second.get());
  ASSERT_EQ(host::get_property<int>(second.get(), list_index), 2);

  DestroyWindow(first.get());

  ASSERT_EQ(window_records().count(), 1);
  EXPECT_EQ(window_records()[1].hwnd, second.get());
  EXPECT_EQ(host::get_property<int>(second.get(), list_index), 1);
  HWND keyed = controls.back();
  for (HWND control : controls) {
    const char* name = control == keyed ? skin::property::keyed_window_index : window_index;
    EXPECT_EQ(host::get_property<int>(control, name), 1);
  }
  // The control's own position in its list is left alone.
  EXPECT_EQ(host::get_property<int>(controls[2], list_index), 2);
}

TEST_F(WindowRecords, RemovalOfAnUnknownWindowStillRenumbers) {
  skin_test::Window window = skin_test::create_top_window(0, 0, 100, 100);
  skin_test::skin_window(window.get());
  host::set_property(window.get(), list_index, 5);
  skin::remove_window_record(reinterpret_cast<HWND>(0x4321));
  EXPECT_EQ(window_records().count(), 1);
  EXPECT_EQ(host::get_property<int>(window.get(), list_index), 1);
}

TEST_F(WindowRecords, RemovalReleasesEveryGdiObjectOfTheRecord) {
  skin_test::Window window = skin_test::create_top_window(0, 0, 100, 100);
  HWND edit = create_child("Edit", window.get(), 0, 0, 50, 20);
  const int w = skin_test::skin_window(window.get());
  WindowRecord& r = window_records()[w];
  register_control(r.edit_list, edit, w);

  const std::vector<HGDIOBJ> objects = skin_test::give_painter_objects(r, edit);
  for (HGDIOBJ object : objects) ASSERT_NE(GetObjectType(object), 0u);

  skin::remove_window_record(window.get());

  EXPECT_EQ(window_records().count(), 0);
  for (HGDIOBJ object : objects) EXPECT_EQ(GetObjectType(object), 0u) << object;
}

}  // namespace
