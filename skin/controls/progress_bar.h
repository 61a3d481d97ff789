#pragma once
// Skinned progress bars.
#include <windows.h>

#include "skin/core/types.h"

namespace skin {

// Element of a window record's progress_list; 3 fields in this order.
struct ProgressRecord {
  HWND handle = nullptr;
  WNDPROC previous_window_proc = nullptr;
  Flag vertical = 0;
};

}  // namespace skin
