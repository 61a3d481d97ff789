#include "tests/support/gbk.h"

#include <gtest/gtest.h>

#include <stdexcept>

#include "host/code_page.h"

namespace test_support {

std::string gbk(std::string_view utf8) {
  auto converted = host::recode(utf8, host::kUtf8, host::kGbk);
  if (!converted) throw std::runtime_error("text not encodable in GBK");
  return *converted;
}

std::vector<std::string> crlf_lines(const std::string& text) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  for (std::size_t end; (end = text.find("\r\n", start)) != std::string::npos; start = end + 2)
    lines.push_back(text.substr(start, end - start));
  EXPECT_EQ(start, text.size()) << "every line ends with CR LF";
  return lines;
}

}  // namespace test_support
