#pragma once
// Skinned edit boxes, also the edit inside a combo box.
#include <windows.h>

#include <cstdint>

#include "skin/core/types.h"

namespace skin {

// Element of a window record's edit_list; 7 fields in this order.
struct EditRecord {
  HWND handle = nullptr;
  WNDPROC previous_window_proc = nullptr;
  Flag focused = 0;
  // Default of the hover flag for frame repaints; never set.
  Flag hot = 0;
  Flag mouse_down = 0;
  std::int32_t reserved1 = 0;
  std::int32_t reserved2 = 0;
};

}  // namespace skin
