#pragma once
// Skinned trackbars.
#include <windows.h>

#include <cstdint>

#include "skin/core/types.h"

namespace skin {

enum TickSide : std::int32_t {
  ticks_top_or_left = 0,
  ticks_bottom_or_right = 1,
  ticks_both_sides = 2,
  no_ticks = 3,
};

// Element of a window record's trackbar_list; 6 fields in this order.
struct TrackbarRecord {
  HWND handle = nullptr;
  WNDPROC previous_window_proc = nullptr;
  Flag vertical = 0;
  std::int32_t tick_side = ticks_top_or_left;
  Flag hot = 0;
  Flag selection_range = 0;
};

}  // namespace skin
