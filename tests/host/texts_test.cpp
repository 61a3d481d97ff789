#include "host/texts.h"

#include <gtest/gtest.h>

#include "tests/support/gbk.h"

using host::split_text;
using test_support::gbk;
using Pieces = std::vector<std::string>;

struct SplitCase {
  const char* name;
  std::string text;
  std::string separator;
  Pieces expected;
};

class SplitText : public testing::TestWithParam<SplitCase> {};

TEST_P(SplitText, FollowsTheSplittingRule) {
  const SplitCase& c = GetParam();
  EXPECT_EQ(split_text(c.text, c.separator), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, SplitText,
    testing::Values(
        SplitCase{"TwoSpacesGiveAnEmptyMiddle", "a  b", " ", {"a", "", "b"}},
        SplitCase{"TrailingSeparatorGivesNoEmptyLast", "a b ", " ", {"a", "b"}},
        SplitCase{"LeadingSeparatorGivesEmptyFirst", " a", " ", {"", "a"}},
        SplitCase{"EmptyTextGivesNothing", "", " ", {}},
        SplitCase{"OnlySeparatorGivesOneEmptyPiece", " ", " ", {""}},
        SplitCase{"NoSeparatorGivesTheWholeText", "abc", " ", {"abc"}},
        SplitCase{"CrLfLines", "x\r\ny\r\n", "\r\n", {"x", "y"}},
        SplitCase{"EmptyLineInside", "x\r\n\r\ny\r\n", "\r\n", {"x", "", "y"}},
        SplitCase{"EmptyLineAtTheEnd", "x\r\n\r\n", "\r\n", {"x", ""}},
        SplitCase{"RemainderShorterThanSeparator", "x\r\ny", "\r\n", {"x", "y"}},
        // 0x81 0x20 is one double-byte character whose trail byte looks like a space.
        SplitCase{"SeparatorNeverMatchedInsideACharacter", "\x81\x20" "a b", " ",
                  {"\x81\x20" "a", "b"}},
        SplitCase{"LeadByteAtTheEndEndsTheScan", "a \x81", " ", {"a", "\x81"}},
        SplitCase{"EmptySeparatorKeepsTheText", "a b", "", {"a b"}}),
    [](const testing::TestParamInfo<SplitCase>& info) { return std::string(info.param.name); });

TEST(SplitTextGbk, ChineseEntriesStayWhole) {
  EXPECT_EQ(split_text(gbk("赵 钱  欧阳 "), " "), (Pieces{gbk("赵"), gbk("钱"), "", gbk("欧阳")}));
}

TEST(Concatenate, JoinsInOrder) {
  EXPECT_EQ(host::concatenate({gbk("杨"), gbk("安邦")}), gbk("杨安邦"));
  EXPECT_EQ(host::concatenate({"", "b", ""}), "b");
  EXPECT_EQ(host::concatenate({}), "");
}
