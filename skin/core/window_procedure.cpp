#include "skin/core/window_procedure.h"

#include "host/platform.h"
#include "skin/core/properties.h"

namespace skin {

LRESULT __stdcall window_procedure(WindowSkinCell, HWND window, UINT message, WPARAM wparam,
                                   LPARAM lparam) {
  if (const auto previous = host::get_property<WNDPROC>(window, property::previous_proc)) {
    return CallWindowProcA(previous, window, message, wparam, lparam);
  }
  return DefWindowProcA(window, message, wparam, lparam);
}

}  // namespace skin
