#include "tools/word_list_rules.h"

#include <gtest/gtest.h>

#include <functional>

#include "data/stored_word_lists.h"
#include "tests/support/gbk.h"

using word_list_check::check_gbk_list;
using word_list_check::kListExpectations;

namespace {

std::string stored(int k) {
  const auto s = data::stored_word_list(k);
  return {s.bytes, s.size};
}

std::string joined_problems(const std::vector<std::string>& problems) {
  std::string all;
  for (const auto& p : problems) all += p + "\n";
  return all;
}

// Replaces the first occurrence of `from` (both UTF-8, turned into GBK) in the text.
void replace_once(std::string& text, const std::string& from, const std::string& to) {
  const auto at = text.find(from);
  ASSERT_NE(at, std::string::npos);
  text.replace(at, from.size(), to);
}

}  // namespace

TEST(StoredWordLists, SatisfyEveryRule) {
  for (const auto& expected : kListExpectations)
    EXPECT_EQ(joined_problems(check_gbk_list(expected, stored(expected.category))), "");
}

struct Mutation {
  const char* name;
  int list;
  std::function<void(std::string&)> apply;
};

class BrokenList : public testing::TestWithParam<Mutation> {};

TEST_P(BrokenList, IsCaught) {
  std::string text = stored(GetParam().list);
  GetParam().apply(text);
  EXPECT_FALSE(check_gbk_list(kListExpectations[GetParam().list - 1], text).empty());
}

using test_support::gbk;

INSTANTIATE_TEST_SUITE_P(
    Mutations, BrokenList,
    testing::Values(
        Mutation{"LosesItsLastEntry", 5, [](std::string& t) { t.erase(t.rfind(' ')); }},
        Mutation{"LosesAByte", 12, [](std::string& t) { t.pop_back(); }},
        Mutation{"LosesACharacter", 8, [](std::string& t) { t.erase(t.size() / 2 & ~1u, 2); }},
        Mutation{"GainsAnEntry", 13, [](std::string& t) { t.append(" ").append(gbk("石像鬼")); }},
        Mutation{"GainsARepeat", 2,
                 [](std::string& t) { replace_once(t, gbk("安平"), gbk("安陵")); }},
        Mutation{"LosesItsEmptyEntry", 6, [](std::string& t) { replace_once(t, "  ", " "); }},
        Mutation{"GainsAnEmptyEntry", 7, [](std::string& t) { t.insert(t.find(' '), 1, ' '); }},
        Mutation{"OpeningOutOfOrder", 1,
                 [](std::string& t) { replace_once(t, gbk("钱 孙"), gbk("孙 钱")); }},
        Mutation{"LosesItsTrailingSpace", 3, [](std::string& t) { t.pop_back(); }},
        Mutation{"GainsATrailingSpace", 10, [](std::string& t) { t += " "; }},
        Mutation{"AsteriskReplaced", 9, [](std::string& t) { replace_once(t, " * ", " # "); }},
        Mutation{"ThreeCharacterGivenName", 4,
                 [](std::string& t) { replace_once(t, gbk("安吉 "), gbk("安吉祥 ")); }},
        Mutation{"AsciiWhereNoneBelongs", 11, [](std::string& t) { t.insert(t.find(' '), 1, 'x'); }},
        Mutation{"HalfACharacter", 1, [](std::string& t) { t.insert(0, "\x81 "); }}),
    [](const testing::TestParamInfo<Mutation>& info) { return std::string(info.param.name); });

TEST(ListFile, RejectsWhatTheBuildCannotEmbedFaithfully) {
  const auto& expected = kListExpectations[4];
  std::string utf8;
  // A sound list in UTF-8 passes; a BOM, a line break or an unencodable character does not.
  ASSERT_TRUE(word_list_check::utf8_to_gbk("\xE8\xB5\xB5", utf8));  // 赵
  EXPECT_FALSE(word_list_check::check_list_file(expected, "\xEF\xBB\xBF" "a").empty());
  EXPECT_FALSE(word_list_check::check_list_file(expected, "a b\n").empty());
  EXPECT_FALSE(word_list_check::check_list_file(expected, "\xF0\x9F\x90\x89").empty());  // 🐉
}
