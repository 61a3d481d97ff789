// Every button, clicked through its own window, and what it leaves in the edit boxes and the list.
#include "tests/program/program_fixture.h"

using generator::WordCategory;
using test_support::gbk;

struct BatchButton {
  generator::Control button;
  WordCategory category;
};

TEST_F(ProgramTest, EveryBatchButtonFillsTheBatchBoxAndTheList) {
  start();
  const BatchButton buttons[] = {
      {Control::按钮4, WordCategory::MartialMove},  {Control::按钮5, WordCategory::MartialManual},
      {Control::按钮6, WordCategory::MartialSpell}, {Control::按钮7, WordCategory::EasternGear},
      {Control::按钮8, WordCategory::WesternGear},  {Control::按钮9, WordCategory::Weapon},
      {Control::按钮10, WordCategory::Mount},       {Control::按钮11, WordCategory::Elixir},
      {Control::按钮12, WordCategory::Monster},     {Control::按钮3, WordCategory::MaleGivenName},
  };
  for (const auto& [button, category] : buttons) {
    SCOPED_TRACE(static_cast<int>(button));
    press(button);
    const auto lines = batch_lines();
    ASSERT_EQ(lines.size(), 70u);
    ASSERT_EQ(row_count(), 70);
    const std::string surname = category == WordCategory::MaleGivenName ? gbk("杨") : "";
    for (int row = 0; row < 70; ++row) {
      EXPECT_EQ(cell(row, 0), lines[row]);
      ASSERT_EQ(lines[row].substr(0, surname.size()), surname);
      EXPECT_TRUE(in_list(category, lines[row].substr(surname.size()))) << lines[row];
    }
  }
  EXPECT_EQ(text(Control::编辑框1), gbk("杨")) << "batches leave the surname box alone";
}

TEST_F(ProgramTest, SurnameButtonsChangeOnlyTheSurnameBox) {
  start();
  press(Control::按钮4);
  const std::string batch = text(Control::编辑框2);
  const std::string first_row = cell(0, 0);
  for (const auto& [button, category] : {std::pair{Control::按钮1, WordCategory::SingleSurname},
                                         std::pair{Control::按钮2, WordCategory::CompoundSurname}}) {
    press(button);
    EXPECT_TRUE(in_list(category, text(Control::编辑框1))) << text(Control::编辑框1);
    EXPECT_EQ(text(Control::编辑框2), batch);
    EXPECT_EQ(row_count(), 70);
    EXPECT_EQ(cell(0, 0), first_row);
  }
}

TEST_F(ProgramTest, FullNamesFollowTheGenderBoxAndTheSurnameBox) {
  start();
  HWND gender = control(Control::组合框1);
  struct Case {
    int selection;
    WordCategory given;
  } cases[] = {{1, WordCategory::FemaleGivenName}, {-1, WordCategory::FemaleGivenName},
               {0, WordCategory::MaleGivenName}};
  SetWindowTextA(control(Control::编辑框1), gbk("欧阳").c_str());
  for (const Case& c : cases) {
    SendMessageA(gender, CB_SETCURSEL, static_cast<WPARAM>(c.selection), 0);
    press(Control::按钮3);
    for (const std::string& line : batch_lines()) {
      ASSERT_EQ(line.substr(0, 4), gbk("欧阳"));
      EXPECT_TRUE(in_list(c.given, line.substr(4))) << "selection " << c.selection << ": " << line;
    }
  }
}

TEST_F(ProgramTest, APieceAfterASpaceStaysOutOfSight) {
  start();
  SetWindowTextA(control(Control::编辑框1), gbk("欧阳 ").c_str());
  press(Control::按钮3);
  ASSERT_EQ(row_count(), 70);
  for (int row = 0; row < 70; ++row) {
    EXPECT_EQ(cell(row, 0), gbk("欧阳"));
    EXPECT_EQ(cell(row, 1), "") << "the list has no second column to show the given name";
  }
}
