#pragma once
// Skinned up-down controls.
#include <windows.h>

#include <cstdint>

#include "skin/core/types.h"

namespace skin {

// Element of a window record's updown_list; 7 fields in this order.
struct UpDownRecord {
  HWND handle = nullptr;
  WNDPROC previous_window_proc = nullptr;
  Flag hovered = 0;
  // Half under the mouse at the last hover repaint: 0 first, 1 second.
  std::int32_t hot_half = 0;
  Flag mouse_down = 0;
  Flag horizontal = 0;
  // lParam (packed client x, y) of the last button press or release.
  std::int32_t last_mouse = 0;
};

}  // namespace skin
