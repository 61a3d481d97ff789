#pragma once
// Attaching the skin to a top-level window, and what its caption buttons do.
#include "skin/core/window_skin.h"

namespace skin {

// Slot 3: carries out the caption button at `button_number` of the window at `window_index`.
// The buttons' actions come with the caption buttons themselves; until then a click does nothing.
void __stdcall caption_button_action(WindowSkinCell self, int window_index, int button_number);

}  // namespace skin
