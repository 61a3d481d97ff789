#pragma once
// What every stored word list must satisfy, checked on its GBK bytes. The build's tests run these
// rules, so an edit that breaks a count or a special entry fails before it ships.
#include <string>
#include <string_view>
#include <vector>

#include "tools/word_list_expectations.h"

namespace word_list_check {

// Every rule the GBK text of list `expected.category` breaks, in words; empty when it is sound.
std::vector<std::string> check_gbk_list(const ListExpectation& expected, std::string_view gbk);

// The rules on the stored file itself (UTF-8, no BOM, no line breaks), then on its GBK form.
std::vector<std::string> check_list_file(const ListExpectation& expected, std::string_view utf8);

// The file's text converted to GBK; false when it holds anything GBK cannot encode.
bool utf8_to_gbk(std::string_view utf8, std::string& gbk);

}  // namespace word_list_check
