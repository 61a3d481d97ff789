#include "generator/commands.h"

#include "tests/generator/generator_fixture.h"

using generator::Control;
using generator::WordCategory;
using test_support::gbk;

struct BatchButton {
  Control button;
  WordCategory category;
};

class BatchButtons : public GeneratorTest, public testing::WithParamInterface<BatchButton> {};

TEST_P(BatchButtons, WriteSeventyLinesOfTheirOwnListAndSeventyRows) {
  const auto [button, category] = GetParam();
  click(button);
  const auto entries = entries_of(category);
  for (const std::string& line : batch_lines()) EXPECT_TRUE(entries.count(line)) << line;
  EXPECT_EQ(ui.rows.size(), static_cast<std::size_t>(generator::BATCH_LINES));
  EXPECT_EQ(text_of(Control::编辑框1), "") << "a batch leaves the surname box alone";
}

INSTANTIATE_TEST_SUITE_P(
    AllTen, BatchButtons,
    testing::Values(BatchButton{Control::按钮4, WordCategory::MartialMove},
                    BatchButton{Control::按钮5, WordCategory::MartialManual},
                    BatchButton{Control::按钮6, WordCategory::MartialSpell},
                    BatchButton{Control::按钮7, WordCategory::EasternGear},
                    BatchButton{Control::按钮8, WordCategory::WesternGear},
                    BatchButton{Control::按钮9, WordCategory::Weapon},
                    BatchButton{Control::按钮10, WordCategory::Mount},
                    BatchButton{Control::按钮11, WordCategory::Elixir},
                    BatchButton{Control::按钮12, WordCategory::Monster}));

struct GenderCase {
  int selection;  // −1: nothing selected
  const char* given_name;
};

class FullNames : public GeneratorTest, public testing::WithParamInterface<GenderCase> {};

TEST_P(FullNames, FollowTheGenderBox) {
  use_list(WordCategory::MaleGivenName, {gbk("安邦")});
  use_list(WordCategory::FemaleGivenName, {gbk("婉清")});
  if (GetParam().selection >= 0) ui.selections[id(Control::组合框1)] = GetParam().selection;
  set_text_of(Control::编辑框1, gbk("杨"));
  click(Control::按钮3);
  for (const std::string& line : batch_lines()) EXPECT_EQ(line, gbk("杨") + gbk(GetParam().given_name));
  EXPECT_EQ(ui.rows.size(), static_cast<std::size_t>(generator::BATCH_LINES));
}

INSTANTIATE_TEST_SUITE_P(Genders, FullNames,
                         testing::Values(GenderCase{0, "安邦"}, GenderCase{1, "婉清"},
                                         GenderCase{-1, "婉清"}));

TEST_F(GeneratorTest, FullNamesTakeTheSurnameBoxAsTyped) {
  ui.selections[id(Control::组合框1)] = 0;
  const auto male = entries_of(WordCategory::MaleGivenName);
  for (const std::string& surname : {std::string(), gbk("欧阳"), gbk("欧阳 ")}) {
    set_text_of(Control::编辑框1, surname);
    click(Control::按钮3);
    for (const std::string& line : batch_lines()) {
      ASSERT_EQ(line.substr(0, surname.size()), surname);
      EXPECT_TRUE(male.count(line.substr(surname.size()))) << line;
    }
  }
}

TEST_F(GeneratorTest, EveryFemaleGivenNameCanOccurTheLastOneIncluded) {
  ui.selections[id(Control::组合框1)] = 1;
  auto missing = entries_of(WordCategory::FemaleGivenName);
  for (int clicks = 0; clicks < 1000 && !missing.empty(); ++clicks) {
    click(Control::按钮3);
    for (const std::string& line : batch_lines()) missing.erase(line);
  }
  EXPECT_TRUE(missing.empty()) << missing.size() << " names never drawn";
}

TEST_F(GeneratorTest, SinglePicksChangeOnlyTheSurnameBox) {
  click(Control::按钮4);
  const std::string batch = text_of(Control::编辑框2);
  const auto rows = ui.rows;
  for (const auto& [button, category] : {std::pair{Control::按钮1, WordCategory::SingleSurname},
                                         std::pair{Control::按钮2, WordCategory::CompoundSurname}}) {
    click(button);
    EXPECT_TRUE(entries_of(category).count(text_of(Control::编辑框1)));
    EXPECT_EQ(text_of(Control::编辑框2), batch);
    EXPECT_EQ(ui.rows, rows);
  }
}

TEST_F(GeneratorTest, AnEmptyEntryGivesABlankRowInItsPlace) {
  use_list(WordCategory::MartialManual, {gbk("一指禅"), ""});
  click(Control::按钮5);
  const auto lines = batch_lines();
  ASSERT_EQ(ui.rows.size(), lines.size());
  int blank = 0;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    EXPECT_EQ(ui.cell_text(0, static_cast<int>(i), 0), lines[i]);
    blank += lines[i].empty();
    EXPECT_EQ(ui.rows[i].empty(), lines[i].empty()) << "a blank row has no cell set";
  }
  EXPECT_GT(blank, 0);
  EXPECT_LT(blank, generator::BATCH_LINES);
}

TEST_F(GeneratorTest, ClicksContinueOneRandomSequence) {
  use_list(WordCategory::Weapon, {"1", "2", "3", "4", "5", "6", "7", "8", "9"});
  click(Control::按钮9);
  auto drawn = batch_lines();
  click(Control::按钮9);
  const auto second = batch_lines();
  drawn.insert(drawn.end(), second.begin(), second.end());

  host::RandomSource reference;
  reference.seed(kFixedTicks);  // what loading the lists seeded, and nothing since
  for (const std::string& line : drawn) EXPECT_EQ(line, std::to_string(reference.between(1, 9)));
}

TEST_F(GeneratorTest, OtherControlsHaveNoCommand) {
  click(Control::编辑框1);
  click(Control::超级列表框1);
  EXPECT_TRUE(ui.texts.empty());
  EXPECT_TRUE(ui.rows.empty());
}
