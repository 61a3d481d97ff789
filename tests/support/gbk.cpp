#include "tests/support/gbk.h"

#include <stdexcept>

#include "host/code_page.h"

namespace test_support {

std::string gbk(std::string_view utf8) {
  auto converted = host::recode(utf8, host::kUtf8, host::kGbk);
  if (!converted) throw std::runtime_error("text not encodable in GBK");
  return *converted;
}

}  // namespace test_support
