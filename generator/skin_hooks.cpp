#include "generator/skin_hooks.h"

namespace generator {

// The main window keeps the system's plain look until the skin engine is attached here.
void skin_startup_hook() {}
void skin_window_created_hook(const host::FormWindow&) {}
void skin_exit_hook() {}

}  // namespace generator
