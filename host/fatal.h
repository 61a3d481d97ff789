#pragma once
// The run time's fatal error: an index outside a list is a program error, not a condition to
// recover from, so it ends the program at once.

namespace host {

[[noreturn]] void fatal_error(const char* what);

}  // namespace host
