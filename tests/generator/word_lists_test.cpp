#include "generator/word_lists.h"

#include <gtest/gtest.h>

#include "host/random_source.h"
#include "tests/support/gbk.h"

using generator::AppGlobals;
using generator::WordCategory;
using test_support::gbk;

TEST(AppGlobals, StartWithAZeroTableAndPlaceholderLists) {
  AppGlobals globals;
  generator::init_app_globals(globals);
  for (int k = 1; k <= generator::ListSizeTable::kEntries; ++k) EXPECT_EQ(globals.list_sizes[k], 0);
  for (int k = 1; k <= generator::kWordCategoryCount; ++k) {
    const auto& list = globals.lists[k - 1];
    ASSERT_EQ(list.count(), k - 1) << "list " << k;
    for (int i = 1; i <= list.count(); ++i) EXPECT_EQ(list.entry(i), "");
  }
}

TEST(AppGlobals, LoadingFillsEveryListAndTheTable) {
  AppGlobals globals;
  generator::init_app_globals(globals);
  host::RandomSource random;
  generator::load_word_lists(globals, random);
  const int expected[] = {407, 465, 1200, 1600, 408, 483, 420, 357, 883, 766, 281, 282, 411};
  for (int k = 1; k <= 13; ++k) {
    EXPECT_EQ(globals.list_sizes[k], expected[k - 1]) << "table entry " << k;
    EXPECT_EQ(globals.lists[k - 1].count(), expected[k - 1]) << "list " << k;
  }
  for (int k = 14; k <= 20; ++k) EXPECT_EQ(globals.list_sizes[k], 0) << "table entry " << k;
}

TEST(AppGlobals, SpecialEntriesLoadInPlace) {
  AppGlobals globals;
  generator::init_app_globals(globals);
  host::RandomSource random;
  generator::load_word_lists(globals, random);
  const auto& given_male = globals.list(WordCategory::MaleGivenName);
  const auto& given_female = globals.list(WordCategory::FemaleGivenName);
  EXPECT_EQ(given_male.entry(1200), gbk("泽语")) << "a trailing space adds no empty entry";
  EXPECT_EQ(given_female.entry(1600), gbk("紫玉"));
  const auto& manuals = globals.list(WordCategory::MartialManual);
  EXPECT_EQ(manuals.entry(52), gbk("斩蛟拳"));
  EXPECT_EQ(manuals.entry(53), "");
  EXPECT_EQ(manuals.entry(54), gbk("韦陀伏魔剑"));
  EXPECT_EQ(globals.list(WordCategory::WesternGear).entry(867), "*");
  EXPECT_EQ(globals.list(WordCategory::SingleSurname).entry(1), gbk("赵"));
  EXPECT_EQ(globals.list(WordCategory::Monster).entry(411), gbk("李奥瑞克"));
}

TEST(AppGlobals, ReleaseEmptiesEverything) {
  AppGlobals globals;
  generator::init_app_globals(globals);
  host::RandomSource random;
  generator::load_word_lists(globals, random);
  generator::release_app_globals(globals);
  for (const auto& list : globals.lists) EXPECT_EQ(list.count(), 0);
  EXPECT_DEATH(globals.list_sizes[1], "size table") << "the table is gone after release";
}

TEST(WordList, AnEntryOutsideTheListIsFatal) {
  generator::WordList list({"a", "b"});
  EXPECT_EQ(list.entry(1), "a");
  EXPECT_EQ(list.entry(2), "b");
  EXPECT_DEATH(list.entry(0), "out of range");
  EXPECT_DEATH(list.entry(3), "out of range");
}
