#pragma once
// Window texts as GBK strings.
#include <windows.h>

#include <string>

namespace host {

inline std::string window_text(HWND window) {
  std::string text(static_cast<std::size_t>(GetWindowTextLengthA(window)), '\0');
  if (!text.empty())
    text.resize(static_cast<std::size_t>(GetWindowTextA(window, text.data(), static_cast<int>(text.size()) + 1)));
  return text;
}

}  // namespace host
