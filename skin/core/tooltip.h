#pragma once
// PLACEHOLDER until the drawing layer's tooltip window lands.
#include <windows.h>

namespace skin {

struct Tooltip {
  HWND window = nullptr;
};

}  // namespace skin
