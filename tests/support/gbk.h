#pragma once
// Test texts: written in UTF-8 and turned into the GBK bytes the program works with, and batch
// texts taken apart into their lines.
#include <string>
#include <string_view>
#include <vector>

namespace test_support {

std::string gbk(std::string_view utf8);

// The lines of a batch text, each of which must end with CR LF (checked, as a test expectation,
// independently of the splitting the program itself does).
std::vector<std::string> crlf_lines(const std::string& text);

}  // namespace test_support
