#include "generator/result_list.h"

#include "tests/generator/generator_fixture.h"

using generator::Control;
using test_support::gbk;

TEST_F(GeneratorTest, ABatchBecomesItsRowsAndNoMore) {
  std::string batch;
  for (int i = 1; i <= generator::BATCH_LINES; ++i) batch += "line" + std::to_string(i) + "\r\n";
  set_text_of(Control::编辑框2, batch);
  ui.rows.assign(5, {{0, "old"}});
  generator::render_result_list(session);
  ASSERT_EQ(ui.rows.size(), 70u) << "the old rows are gone and no blank row follows the last line";
  EXPECT_EQ(ui.cell_text(0, 0, 0), "line1");
  EXPECT_EQ(ui.cell_text(0, 69, 0), "line70");
  EXPECT_TRUE(ui.redrawing) << "the list paints again once the batch is in";
}

TEST_F(GeneratorTest, PiecesAfterASpaceGoToFurtherColumns) {
  set_text_of(Control::编辑框2, gbk("欧阳 安邦\r\n\r\n杨过\r\n"));
  generator::render_result_list(session);
  ASSERT_EQ(ui.rows.size(), 3u);
  EXPECT_EQ(ui.cell_text(0, 0, 0), gbk("欧阳"));
  EXPECT_EQ(ui.cell_text(0, 0, 1), gbk("安邦"));
  EXPECT_TRUE(ui.rows[1].empty());
  EXPECT_EQ(ui.cell_text(0, 2, 0), gbk("杨过"));
}

TEST_F(GeneratorTest, CopyTakesTheSelectedRowAndConfirms) {
  set_text_of(Control::编辑框2, gbk("甲\r\n乙 丙\r\n"));
  generator::render_result_list(session);
  ui.selected = 1;
  generator::copy_selected_name(session);
  EXPECT_EQ(ui.clipboard, gbk("乙"));
  ASSERT_EQ(ui.boxes.size(), 1u);
  EXPECT_EQ(ui.boxes[0].text, gbk("复制成功"));
  EXPECT_EQ(ui.boxes[0].buttons, 0);
  EXPECT_FALSE(ui.boxes[0].caption) << "the host's own caption is used";
}

TEST_F(GeneratorTest, CopyWithoutSelectionOrClipboardStillConfirms) {
  generator::copy_selected_name(session);
  EXPECT_EQ(ui.clipboard, "") << "no selection copies the empty text";
  ui.clipboard_held_elsewhere = true;
  ui.clipboard.reset();
  generator::copy_selected_name(session);
  EXPECT_FALSE(ui.clipboard);
  EXPECT_EQ(ui.boxes.size(), 2u);
}
