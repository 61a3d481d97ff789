#pragma once
// Panels (containers that show the window picture behind their children), keyed controls and
// docked children.
#include <windows.h>

#include <cstdint>
#include <string>

#include "skin/core/lists.h"
#include "skin/core/types.h"

namespace skin {

// A child window stretched to its container's width on every size change, from `top` down.
struct DockedEntry {
  HWND handle = nullptr;
  std::int32_t top = 0;
};

// Element of a window record's panel_list; 13 fields in this order.
struct PanelRecord {
  HWND handle = nullptr;
  // Translucent tint laid over the copied background; 0 = no tint.
  COLORREF fill_colour = 0;
  // Alpha of the tint; the low byte is used.
  std::int32_t fill_alpha = 0;
  Flag outline = 0;
  WNDPROC previous_window_proc = nullptr;
  Flag needs_render = 0;
  Flag is_group_box = 0;
  std::int32_t reserved = 0;
  // The panel's painting is done by the skin; 0 leaves it to its previous procedure.
  Flag skinned = 0;
  std::string font_family;
  std::int32_t font_size = 0;
  std::int32_t font_style = 0;
  RecordList<DockedEntry> docked_children;
};

// Element of a window record's extra_control_list: a control that shows the window picture
// wherever it paints its key colour.
struct KeyedControl {
  HWND handle = nullptr;
  WNDPROC previous_window_proc = nullptr;
  COLORREF key_colour = 0;
};

}  // namespace skin
