#pragma once
// Real windows for the skin's tests: a top-level test window class, child controls, owners that
// destroy them, and the registrations that attach will make.
#include <windows.h>

#include <memory>
#include <vector>

#include "host/platform.h"
#include "skin/core/properties.h"
#include "skin/core/window_records.h"
#include "tests/support/win32.h"

namespace skin_test {

using test_support::Window;

// A visible borderless top-level window (window and client rectangles coincide) whose procedure
// removes its skin record on WM_NCDESTROY, as the skinned window procedure does.
Window create_top_window(int x, int y, int width, int height);

// A child control of a system class.
HWND create_child(const char* class_name, HWND parent, int x, int y, int width, int height,
                  DWORD style = 0, DWORD ex_style = 0);

// Dispatches every queued message.
void pump_messages();

// Gives `window` a record and its "Hw_lbID", as attach does; returns the window index.
int skin_window(HWND window);

// Registers `control` in a control list of the record at `window_index`, with the properties the
// per-class attach routines set.
template <class Record>
int register_control(skin::RecordList<Record>& list, HWND control, int window_index) {
  Record record{};
  record.handle = control;
  const int position = list.register_record(record);
  host::set_property(control, skin::property::list_index, position);
  host::set_property(control, skin::property::window_index, window_index);
  return position;
}

// Gives the record of a skinned window the GDI objects that the window painter makes, and
// `control` the brush and bitmap of a colour message; returns them all.
std::vector<HGDIOBJ> give_painter_objects(skin::WindowRecord& record, HWND control);

// GDI objects alive in the process: what GetGuiResources reports where it counts them, else (as
// under Wine, which reports 0) the number of valid entries of the 16-bit GDI handle table.
int live_gdi_objects();

}  // namespace skin_test
