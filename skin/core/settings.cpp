#include "skin/core/settings.h"

#include <gdiplus.h>

#include "skin/core/dc_registry.h"
#include "skin/core/window_records.h"

namespace skin {

SkinSettings& skin_settings() {
  static SkinSettings settings;
  return settings;
}

void start_skin_module(HMODULE module) {
  window_records().clear();
  dc_registry().clear();
  SkinSettings& s = skin_settings();
  Gdiplus::GdiplusStartupInput input;
  Gdiplus::GdiplusStartup(&s.gdiplus_token, &input, nullptr);
  s.skin_icon = LoadIconA(module, MAKEINTRESOURCEA(129));
  if (!s.skin_icon) s.skin_icon = LoadIconA(module, "DEFAULT_ICON");
  const SkinSettings start;
  s.first_size_pending = start.first_size_pending;
  s.control_switch = start.control_switch;
  s.wash_alpha = start.wash_alpha;
  s.accent_colour = start.accent_colour;
  s.trackbar_detail_flag = start.trackbar_detail_flag;
}

void end_skin_module() {
  SkinSettings& s = skin_settings();
  if (s.skin_icon) DestroyIcon(s.skin_icon);
  s.skin_icon = nullptr;
  if (s.gdiplus_token) Gdiplus::GdiplusShutdown(s.gdiplus_token);
  s.gdiplus_token = 0;
}

}  // namespace skin
