#pragma once
// The skin's status bar.
#include <windows.h>

#include <cstdint>
#include <string>

#include "skin/core/types.h"

namespace skin {

// Element of a window record's status_items; 4 fields in this order.
struct StatusItem {
  // Width in pixels; −1 = all the width left over by the items before it.
  std::int32_t width = 0;
  std::string text;
  // Encoded picture drawn at the left of the item; empty = none.
  Bytes picture;
  // Text colour used when the status text is not inverted.
  COLORREF colour = 0;
};

}  // namespace skin
