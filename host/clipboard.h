#pragma once
#include <string_view>

namespace host {

// Replaces the clipboard's contents with one ANSI text (CF_TEXT). False, at once, when another
// program holds the clipboard open.
bool set_clipboard_text(std::string_view text);

}  // namespace host
