#pragma once
// Test texts are written in UTF-8 and turned into the GBK bytes the program works with.
#include <string>
#include <string_view>

namespace test_support {

std::string gbk(std::string_view utf8);

}  // namespace test_support
