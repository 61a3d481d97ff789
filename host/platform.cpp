#include "host/platform.h"

namespace host {

RECT window_rect(HWND window) {
  RECT r{};
  GetWindowRect(window, &r);
  return r;
}

RECT client_rect(HWND window) {
  RECT r{};
  GetClientRect(window, &r);
  return r;
}

std::string window_text(HWND window) {
  const int length = GetWindowTextLengthA(window);
  if (length <= 0) return {};
  std::string text(static_cast<std::size_t>(length) + 1, '\0');
  text.resize(static_cast<std::size_t>(GetWindowTextA(window, text.data(), length + 1)));
  return text;
}

HWND parent_of(HWND window) {
  if ((GetWindowLongA(window, GWL_STYLE) & WS_CHILD) == 0) return nullptr;
  return GetParent(window);
}

}  // namespace host
