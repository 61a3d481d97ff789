#pragma once
// The process-wide list of window records, the lookups from window handles to window indexes,
// and the life of a record. Indexes and positions count from 1; 0 means not found.
#include <windows.h>

#include "skin/core/lists.h"
#include "skin/core/window_record.h"

namespace skin {

List<WindowRecord>& window_records();

// The first record whose hwnd is `window`.
int find_window_record(HWND window);

// Walks up the parents of `window` (not the window itself) to the top-level window and returns
// the first one that has a record.
int find_skinned_ancestor(HWND window);

// Position of `control` in panel_list of the record at `window_index`.
int find_panel(int window_index, HWND control);

// Walks up the parents of `control` to (not including) `stop` and returns the position of the
// first one that is a panel of that record with its skinned flag set.
int find_marked_panel(int window_index, HWND control, HWND stop);

// What owns a control's background: a skinned window, a panel of one, or a substitute window
// (a tab host with its own cached picture).
struct Owner {
  // The owner is a skinned window (the control itself or an ancestor).
  bool is_window = false;
  int window_index = 0;
  int panel_position = 0;
  HWND substitute = nullptr;
};

// With `use_marks`, windows carrying the tab-host mark and panels carrying a substitute parent
// lead to a substitute window.
Owner find_owner(HWND control, bool use_marks);

// Appends a deep copy of `record` and returns its window index (the new count).
int append_window_record(const WindowRecord& record);

// On the destruction of a skinned window: releases every GDI object its record holds, removes
// the record and rewrites the window-index properties of every later window and its controls.
void remove_window_record(HWND window);

}  // namespace skin
