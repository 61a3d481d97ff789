#include "skin/core/attach.h"

namespace skin {

void __stdcall caption_button_action(WindowSkinCell, int, int) {}

}  // namespace skin
