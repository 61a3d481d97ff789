#include "skin/core/window_procedure.h"

#include "skin/core/platform.h"
#include "skin/core/properties.h"

namespace skin {

LRESULT __stdcall window_procedure(WindowSkinCell, HWND window, UINT message, WPARAM wparam,
                                   LPARAM lparam) {
  if (const auto previous = get_property<WNDPROC>(window, property::previous_proc)) {
    return CallWindowProcA(previous, window, message, wparam, lparam);
  }
  return DefWindowProcA(window, message, wparam, lparam);
}

}  // namespace skin
