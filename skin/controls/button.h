#pragma once
// Skinned buttons: push buttons, picture buttons, check boxes and radio buttons share one record.
#include <windows.h>

#include <array>
#include <cstdint>
#include <string>

#include "drawing/tooltip_window.h"
#include "skin/core/types.h"

namespace skin {

enum ButtonKind : std::int32_t {
  push_button = 0,
  picture_button = 1,
  four_picture_button = 3,
  auto_radio_button = 4,
  check_box = 5,
};

// Element of a window record's button_list; 18 fields in this order.
struct ButtonRecord {
  HWND handle = nullptr;
  WNDPROC previous_window_proc = nullptr;
  std::int32_t kind = push_button;
  // Kind 1 uses the first; kind 3 the first (normal), second (hover), third (pressed) and fifth
  // (disabled).
  std::array<Bytes, 5> pictures;
  std::int32_t picture_option = 0;
  std::string caption;
  Flag focused = 0;
  std::int32_t reserved = 0;
  std::int32_t checked = 0;
  HWND attach_parent = nullptr;
  drawing::TooltipWindow tooltip;
  std::string font_family;
  std::int32_t font_size = 0;
  std::int32_t font_style = 0;
};

}  // namespace skin
