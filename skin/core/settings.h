#pragma once
// Process-wide settings of the skin module.
#include <windows.h>

#include <cstdint>

#include "skin/core/types.h"

namespace skin {

// Fields hold their start values.
struct SkinSettings {
  ULONG_PTR gdiplus_token = 0;
  HICON skin_icon = nullptr;
  // Cleared by the first WM_SIZE of any skinned window.
  Flag first_size_pending = 1;
  // When 0 the per-class attach routines register nothing and colour messages are not handled.
  Flag control_switch = 1;
  // Alpha of the white wash over control background snapshots.
  std::int32_t wash_alpha = 160;
  Flag wash_enabled = 0;
  // Hover and focus colour of the painters.
  COLORREF accent_colour = 0xDDCA22;
  Flag trackbar_detail_flag = 1;
  // Fill of windows without their own background picture; the skin object's constructor sets it
  // to the system's face colour.
  COLORREF theme_colour = 0;
  std::int32_t theme_mode = 0;
  // Encoded picture drawn behind every window without a picture of its own.
  Bytes theme_image;
};

SkinSettings& skin_settings();

// The skin module's start: the process-wide lists empty, GDI+ started (its token kept), the icon
// loaded from `module` (resource 129, else "DEFAULT_ICON"), and the switches, wash alpha and
// accent colour at their start values. The theme is left as the skin object's constructor set it.
void start_skin_module(HMODULE module);

// The skin module's end, run by the skin object's destruction: destroys the icon and shuts GDI+
// down, each once.
void end_skin_module();

}  // namespace skin
