#pragma once
// Text services of the host run time. Texts are GBK byte strings.
#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

namespace host {

// Splits `text` at every occurrence of `separator`, stepping over double-byte GBK characters so
// that a separator is never matched inside one. Adjacent separators give an empty piece; a
// trailing separator gives none; an empty text gives no pieces.
std::vector<std::string> split_text(std::string_view text, std::string_view separator);

// Joins texts into a new one.
std::string concatenate(std::initializer_list<std::string_view> parts);

}  // namespace host
