// Real mouse input end to end: a click fills the list, a double click copies a row and confirms.
#include "tests/program/program_fixture.h"

using test_support::clipboard_text;
using test_support::gbk;

namespace {

POINT centre_of_row(HWND list, int row) {
  RECT r = {};
  r.left = LVIR_LABEL;
  SendMessageA(list, LVM_GETITEMRECT, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&r));
  return {r.left + 10, (r.top + r.bottom) / 2};
}

void put_on_clipboard(const std::string& text) {
  ASSERT_TRUE(OpenClipboard(nullptr));
  EmptyClipboard();
  HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, text.size() + 1);
  memcpy(GlobalLock(memory), text.c_str(), text.size() + 1);
  GlobalUnlock(memory);
  SetClipboardData(CF_TEXT, memory);
  CloseClipboard();
}

}  // namespace

TEST_F(ProgramTest, AClickAndADoubleClickOfTheMouseCopyARow) {
  start();
  test_support::click_at(control(Control::按钮4), test_support::centre_of(control(Control::按钮4)));
  ASSERT_TRUE(test_support::pump_until([&] { return row_count() == 70; })) << "the click arrived";

  put_on_clipboard("before");
  test_support::MessageBoxWatcher boxes(main_window());
  HWND list = control(Control::超级列表框1);
  test_support::double_click_at(list, centre_of_row(list, 3));
  ASSERT_TRUE(test_support::pump_until([&] { return !boxes.seen().empty(); }));
  test_support::pump_messages_for(100);

  std::string copied;
  ASSERT_TRUE(clipboard_text(copied));
  EXPECT_EQ(copied, cell(3, 0)) << "exactly the row's text, without CR LF";
  EXPECT_EQ(copied.find('\r'), std::string::npos);
  const auto seen = boxes.seen();
  ASSERT_EQ(seen.size(), 1u);
  EXPECT_EQ(seen[0].text, gbk("复制成功"));
  EXPECT_EQ(seen[0].caption, gbk("信息："));
  EXPECT_FALSE(seen[0].owned) << "the box has no owner window";
  EXPECT_FALSE(seen[0].probe_enabled) << "task-modal: the main window is disabled meanwhile";
  EXPECT_TRUE(IsWindowEnabled(main_window()));
}

TEST_F(ProgramTest, DoubleClickWithoutSelectionCopiesTheEmptyText) {
  start();
  put_on_clipboard("before");
  test_support::MessageBoxWatcher boxes;
  test_support::double_click_at(control(Control::超级列表框1), {300, 150});
  ASSERT_TRUE(test_support::pump_until([&] { return !boxes.seen().empty(); }));
  std::string copied = "unchanged";
  clipboard_text(copied);
  EXPECT_EQ(copied, "");
  EXPECT_EQ(boxes.seen()[0].text, gbk("复制成功"));
}

TEST_F(ProgramTest, AClipboardHeldElsewhereCopiesNothingAndDoesNotHang) {
  start();
  press(Control::按钮5);
  put_on_clipboard("before");
  std::atomic<bool> holding = false, release = false;
  std::thread holder([&] {
    // Another owner, with a window of its own, keeps the clipboard open until the copy is tried.
    HWND owner = CreateWindowExA(0, "STATIC", "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, nullptr, nullptr);
    holding = OpenClipboard(owner) != 0;
    while (!release) Sleep(5);
    if (holding) CloseClipboard();
    DestroyWindow(owner);
  });
  while (!holding) Sleep(5);
  test_support::MessageBoxWatcher boxes;
  ListView_SetItemState(control(Control::超级列表框1), 0, LVIS_SELECTED, LVIS_SELECTED);
  NMHDR notice = {control(Control::超级列表框1), static_cast<UINT_PTR>(GetDlgCtrlID(control(Control::超级列表框1))),
                  static_cast<UINT>(NM_DBLCLK)};
  SendMessageA(main_window(), WM_NOTIFY, notice.idFrom, reinterpret_cast<LPARAM>(&notice));
  EXPECT_EQ(boxes.seen().size(), 1u) << "the confirmation shows all the same";
  release = true;
  holder.join();
  std::string copied;
  ASSERT_TRUE(clipboard_text(copied));
  EXPECT_EQ(copied, "before");
}
