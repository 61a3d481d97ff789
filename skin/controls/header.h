#pragma once
// Skinned list-view headers.
#include <windows.h>
#include <commctrl.h>

#include <cstdint>
#include <string>

#include "skin/core/types.h"

namespace skin {

// Element of a window record's header_list; 12 fields in this order. Items count from 1, 0 is none.
struct HeaderRecord {
  HWND handle = nullptr;
  WNDPROC previous_window_proc = nullptr;
  Flag hovered = 0;
  std::int32_t hot_item = 0;
  std::int32_t painted_hot_item = 0;
  // The header has HDS_BUTTONS: its items can be clicked.
  Flag buttons = 0;
  std::int32_t pressed_item = 0;
  Flag mouse_down = 0;
  std::string font_family;
  std::int32_t font_style = 0;
  std::int32_t font_size = 0;
  HIMAGELIST image_list = nullptr;
};

}  // namespace skin
