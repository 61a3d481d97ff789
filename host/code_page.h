#pragma once
// Text from one code page to another (936 is GBK, 65001 is UTF-8). Windows converts through its
// own tables; the native build uses iconv, which agrees on every character the program stores.
#include <optional>
#include <string>
#include <string_view>

namespace host {

inline constexpr unsigned kGbk = 936;
inline constexpr unsigned kUtf8 = 65001;

// nullopt when the text is not valid in the source or cannot be written in the target.
std::optional<std::string> recode(std::string_view text, unsigned from_code_page,
                                  unsigned to_code_page);

}  // namespace host
