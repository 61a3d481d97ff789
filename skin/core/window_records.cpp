#include "skin/core/window_records.h"

#include "host/platform.h"
#include "skin/core/properties.h"

namespace skin {

namespace {

// The window's record index and the panel's position, for a window that is a panel of any record.
struct PanelPlace {
  int window_index = 0;
  int position = 0;
};

PanelPlace find_panel_anywhere(HWND window) {
  const auto& records = window_records();
  for (int w = 1; w <= records.count(); ++w) {
    if (const int position = find_panel(w, window)) return {w, position};
  }
  return {};
}

bool carries_tab_host_mark(HWND window) {
  return host::get_property<int>(window, property::tab_host_mark) == 1;
}

void delete_brush_properties(HWND control) {
  DeleteObject(host::get_property<HGDIOBJ>(control, property::colour_brush_bitmap));
  DeleteObject(host::get_property<HGDIOBJ>(control, property::colour_brush));
}

void release_back_buffer(const WindowRecord& record) {
  const auto replaced = host::get_property<HGDIOBJ>(record.hwnd, property::back_buffer_replaced);
  const auto bitmap = host::get_property<HGDIOBJ>(record.hwnd, property::back_buffer_bitmap);
  HGDIOBJ selected = nullptr;
  if (record.back_buffer_dc) {
    selected = replaced ? SelectObject(record.back_buffer_dc, replaced) : nullptr;
    DeleteObject(selected);
    DeleteDC(record.back_buffer_dc);
  }
  // Normally the bitmap that the selection gave back; deleted once.
  if (bitmap != selected) DeleteObject(bitmap);
}

void release_gdi_objects(const WindowRecord& record) {
  for (const EditRecord& edit : record.edit_list) {
    if (edit.handle) delete_brush_properties(edit.handle);
  }
  release_back_buffer(record);
  // Deleting a DC frees its selection, so each layer bitmap can be deleted after its DC.
  DeleteDC(record.caption_layer_dc);
  DeleteObject(record.caption_layer_bitmap);
  DeleteDC(record.status_layer_dc);
  DeleteObject(record.status_layer_bitmap);
}

template <class Records>
void set_window_index(const Records& records, const char* name, int window_index) {
  for (const auto& r : records) {
    if (r.handle) host::set_property(r.handle, name, window_index);
  }
}

void renumber_window_records() {
  auto& records = window_records();
  for (int j = 1; j <= records.count(); ++j) {
    const WindowRecord& r = records[j];
    host::set_property(r.hwnd, property::list_index, j);
    set_window_index(r.frame_list, property::window_index, j);
    set_window_index(r.button_list, property::window_index, j);
    set_window_index(r.edit_list, property::window_index, j);
    set_window_index(r.combo_list, property::window_index, j);
    set_window_index(r.header_list, property::window_index, j);
    set_window_index(r.updown_list, property::window_index, j);
    set_window_index(r.trackbar_list, property::window_index, j);
    set_window_index(r.progress_list, property::window_index, j);
    set_window_index(r.panel_list, property::window_index, j);
    set_window_index(r.extra_control_list, property::keyed_window_index, j);
  }
}

}  // namespace

List<WindowRecord>& window_records() {
  static List<WindowRecord> records;
  return records;
}

int find_window_record(HWND window) {
  if (!window) return 0;
  const auto& records = window_records();
  for (int w = 1; w <= records.count(); ++w) {
    if (records[w].hwnd == window) return w;
  }
  return 0;
}

int find_skinned_ancestor(HWND window) {
  for (HWND p = host::parent_of(window); p; p = host::parent_of(p)) {
    if (const int w = find_window_record(p)) return w;
  }
  return 0;
}

int find_panel(int window_index, HWND control) {
  const auto& records = window_records();
  if (!control || !records.contains(window_index)) return 0;
  const auto& panels = records[window_index].panel_list;
  for (int p = 1; p <= panels.count(); ++p) {
    if (panels[p].handle == control) return p;
  }
  return 0;
}

int find_marked_panel(int window_index, HWND control, HWND stop) {
  for (HWND p = host::parent_of(control); p && p != stop; p = host::parent_of(p)) {
    const int position = find_panel(window_index, p);
    if (position && window_records()[window_index].panel_list[position].skinned) return position;
  }
  return 0;
}

Owner find_owner(HWND control, bool use_marks) {
  if (use_marks && carries_tab_host_mark(control)) return {.substitute = control};
  if (const int w = find_window_record(control)) return {.is_window = true, .window_index = w};
  for (HWND p = host::parent_of(control); p; p = host::parent_of(p)) {
    if (const int w = find_window_record(p)) return {.is_window = true, .window_index = w};
    // A tab host is also a panel; its mark comes first, so that everything inside it is drawn
    // over its own picture.
    if (use_marks && carries_tab_host_mark(p)) return {.substitute = p};
    if (const PanelPlace panel = find_panel_anywhere(p); panel.window_index) {
      const auto substitute = host::get_property<HWND>(p, property::substitute_parent);
      if (use_marks && substitute) return {.substitute = substitute};
      return {.window_index = panel.window_index, .panel_position = panel.position};
    }
  }
  return {};
}

int append_window_record(const WindowRecord& record) { return window_records().append(record); }

void remove_window_record(HWND window) {
  auto& records = window_records();
  if (const int w = find_window_record(window)) {
    release_gdi_objects(records[w]);
    records.remove(w);
  }
  renumber_window_records();
}

}  // namespace skin
