#pragma once
// Skinned combo boxes.
#include <windows.h>

#include <cstdint>

#include "skin/core/types.h"

namespace skin {

// Element of a window record's combo_list; 4 fields in this order.
struct ComboRecord {
  HWND handle = nullptr;
  WNDPROC previous_window_proc = nullptr;
  Flag focused = 0;
  std::int32_t reserved = 0;
};

}  // namespace skin
