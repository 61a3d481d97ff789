#pragma once
// The skinned window procedure of top-level windows (skin-object slot 2).
#include <windows.h>

#include "skin/core/window_skin.h"

namespace skin {

// Passes every message to the procedure saved in the window's "Hw_hProc" property, or to
// DefWindowProcA when there is none.
LRESULT __stdcall window_procedure(WindowSkinCell self, HWND window, UINT message, WPARAM wparam,
                                   LPARAM lparam);

}  // namespace skin
