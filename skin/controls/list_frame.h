#pragma once
// Skinned frames of list-type controls.
#include <windows.h>

#include "skin/core/types.h"

namespace skin {

// Element of a window record's frame_list; 5 fields in this order.
struct FrameRecord {
  HWND handle = nullptr;
  WNDPROC previous_window_proc = nullptr;
  Flag focused = 0;
  Flag hot = 0;
  // From an arrow-key press until the next key release.
  Flag arrow_key_down = 0;
};

}  // namespace skin
