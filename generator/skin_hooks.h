#pragma once
// Where the skin engine joins the program: at start-up, when the main window has been created
// (before it shows), and at exit.
#include "host/form_window.h"

namespace generator {

void skin_startup_hook();
void skin_window_created_hook(const host::FormWindow& main_window);
void skin_exit_hook();

}  // namespace generator
