// Start-up order, the start state, the layout as created, and the end of the program.
#include "tests/program/program_fixture.h"

using generator::Control;
using test_support::gbk;

TEST_F(ProgramTest, StartsInOrderWithListsLoadedAfterTheSkinHook) {
  start();
  EXPECT_EQ(events, (std::vector<std::string>{"startup", "window created"}));
  EXPECT_FALSE(visible_when_created) << "the created event runs before the window shows";
  EXPECT_FALSE(loaded_when_created) << "the word lists load after the window-created hook";
  EXPECT_EQ(program->globals().list_sizes[1], 407) << "loaded before any click can arrive";
  EXPECT_TRUE(IsWindowVisible(main_window()));
}

TEST_F(ProgramTest, OpensInItsStartState) {
  start();
  EXPECT_EQ(row_count(), 0);
  EXPECT_EQ(text(Control::编辑框1), gbk("杨"));
  EXPECT_EQ(text(Control::编辑框2), "");
  HWND gender = control(Control::组合框1);
  ASSERT_EQ(SendMessageA(gender, CB_GETCOUNT, 0, 0), 2);
  char item[16] = {};
  SendMessageA(gender, CB_GETLBTEXT, 0, reinterpret_cast<LPARAM>(item));
  EXPECT_EQ(std::string(item), gbk("男"));
  SendMessageA(gender, CB_GETLBTEXT, 1, reinterpret_cast<LPARAM>(item));
  EXPECT_EQ(std::string(item), gbk("女"));
  EXPECT_EQ(SendMessageA(gender, CB_GETCURSEL, 0, 0), 0) << "男 is selected at start";
}

TEST_F(ProgramTest, TheWindowHasNoFrameOfItsOwn) {
  start();
  EXPECT_EQ(host::window_text(main_window()), gbk("砚溪"));
  RECT outer, client;
  GetWindowRect(main_window(), &outer);
  GetClientRect(main_window(), &client);
  EXPECT_EQ(outer.left, 50);
  EXPECT_EQ(outer.top, 50);
  EXPECT_EQ(outer.right - outer.left, 713);
  EXPECT_EQ(outer.bottom - outer.top, 510);
  EXPECT_EQ(client.right, 713) << "the client area is the whole window";
  EXPECT_EQ(client.bottom, 510);
  const LONG style = GetWindowLongA(main_window(), GWL_STYLE);
  EXPECT_EQ(style & (WS_MINIMIZEBOX | WS_MAXIMIZEBOX), WS_MINIMIZEBOX | WS_MAXIMIZEBOX);
  EXPECT_EQ(style & (WS_CAPTION | WS_THICKFRAME | WS_BORDER), 0);
}

struct Expected {
  Control control;
  const char* window_class;
  Control parent;  // 超文本浏览框1 stands for the window itself
  RECT place;      // left, top, width, height in the parent's client area
  const char* text;
  bool visible;
};

TEST_F(ProgramTest, EveryControlSitsWhereTheLayoutPutsIt) {
  start();
  constexpr Control kWindow = Control::超文本浏览框1;
  const Expected expected[] = {
      {Control::选择夹2, "SysTabControl32", kWindow, {356, 38, 350, 148}, "", true},
      {Control::按钮12, "Button", Control::选择夹2, {237, 109, 100, 32}, "随机怪兽", true},
      {Control::按钮9, "Button", Control::选择夹2, {237, 59, 100, 32}, "兵器", true},
      {Control::按钮4, "Button", Control::选择夹2, {13, 10, 100, 32}, "武功招数", true},
      {Control::编辑框3, "Edit", Control::选择夹2, {440, 228, 80, 88}, "", false},
      {Control::选择夹1, "SysTabControl32", kWindow, {6, 38, 360, 148}, "", true},
      {Control::透明标签3, "Static", Control::选择夹1, {18, 82, 280, 48}, "提示：双击名字复制", true},
      {Control::按钮3, "Button", Control::选择夹1, {104, 42, 88, 20}, "随机生成", true},
      {Control::透明标签2, "Static", Control::选择夹1, {9, 42, 32, 20}, "性别", true},
      {Control::按钮2, "Button", Control::选择夹1, {189, 10, 80, 20}, "随机复姓", true},
      {Control::按钮1, "Button", Control::选择夹1, {105, 10, 80, 20}, "随机单姓", true},
      {Control::透明标签1, "Static", Control::选择夹1, {9, 10, 32, 20}, "姓氏", true},
      {Control::编辑框1, "Edit", Control::选择夹1, {39, 10, 60, 20}, "杨", true},
      {Control::编辑框2, "Edit", Control::选择夹1, {440, 228, 80, 88}, "", false},
      {Control::超级列表框1, "SysListView32", kWindow, {6, 188, 700, 316}, "", true},
  };
  for (const Expected& e : expected) {
    SCOPED_TRACE(static_cast<int>(e.control));
    HWND hwnd = control(e.control);
    ASSERT_TRUE(hwnd);
    char cls[64] = {};
    GetClassNameA(hwnd, cls, sizeof cls);
    EXPECT_STRCASEEQ(cls, e.window_class);
    HWND parent = e.parent == kWindow ? main_window() : control(e.parent);
    EXPECT_EQ(GetParent(hwnd), parent);
    RECT r;
    GetWindowRect(hwnd, &r);
    MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&r), 2);
    EXPECT_EQ(r.left, e.place.left);
    EXPECT_EQ(r.top, e.place.top);
    EXPECT_EQ(r.right - r.left, e.place.right);
    EXPECT_EQ(r.bottom - r.top, e.place.bottom);
    EXPECT_EQ(host::window_text(hwnd), gbk(e.text));
    EXPECT_EQ(IsWindowVisible(hwnd) != 0, e.visible);
  }
  for (Control hidden : {Control::编辑框2, Control::编辑框3})
    EXPECT_TRUE(GetWindowLongA(control(hidden), GWL_STYLE) & ES_MULTILINE);
}

TEST_F(ProgramTest, TheResultListHasOneNamedColumnInItsFont) {
  start();
  HWND list = control(Control::超级列表框1);
  EXPECT_TRUE((GetWindowLongA(list, GWL_STYLE) & LVS_TYPEMASK) == LVS_REPORT);
  char title[32] = {};
  LVCOLUMNA column = {};
  column.mask = LVCF_TEXT | LVCF_WIDTH;
  column.pszText = title;
  column.cchTextMax = sizeof title;
  ASSERT_TRUE(SendMessageA(list, LVM_GETCOLUMNA, 0, reinterpret_cast<LPARAM>(&column)));
  EXPECT_EQ(std::string(title), gbk("姓名"));
  EXPECT_EQ(column.cx, 700);
  EXPECT_FALSE(SendMessageA(list, LVM_GETCOLUMNA, 1, reinterpret_cast<LPARAM>(&column)));
  LOGFONTA font = {};
  ASSERT_TRUE(GetObjectA(reinterpret_cast<HFONT>(SendMessageA(list, WM_GETFONT, 0, 0)), sizeof font, &font));
  EXPECT_EQ(std::string(font.lfFaceName), gbk("微软雅黑"));
  EXPECT_EQ(font.lfHeight, -14);
  EXPECT_EQ(font.lfWeight, FW_NORMAL);
}

TEST_F(ProgramTest, TransparentLabelsPaintNoBackground) {
  start();
  HWND label = control(Control::透明标签3);
  EXPECT_TRUE(GetWindowLongA(label, GWL_EXSTYLE) & WS_EX_TRANSPARENT);
  HDC dc = GetDC(label);
  SetBkMode(dc, OPAQUE);
  const auto brush = SendMessageA(control(Control::选择夹1), WM_CTLCOLORSTATIC,
                                  reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(label));
  EXPECT_EQ(reinterpret_cast<HGDIOBJ>(brush), GetStockObject(NULL_BRUSH));
  EXPECT_EQ(GetBkMode(dc), TRANSPARENT);
  ReleaseDC(label, dc);
}

TEST_F(ProgramTest, AltF4ClosesTheWindowAndTheExitRoutineRunsOnce) {
  start();
  SetForegroundWindow(main_window());
  SetFocus(control(Control::编辑框1));
  test_support::press_keys({VK_MENU, VK_F4});
  EXPECT_TRUE(test_support::pump_until_quit()) << "closing the main window ends the message loop";
  EXPECT_FALSE(IsWindow(main_window()));
  program->exit();
  program->exit();
  EXPECT_EQ(events, (std::vector<std::string>{"startup", "window created", "exit"}));
  EXPECT_TRUE(released_before_exit_hook) << "the lists go before the exit hook runs";
}

TEST_F(ProgramTest, RunGoesFromStartToExit) {
  build();
  on_created = [](const host::FormWindow& window) { PostMessageA(window.handle(), WM_CLOSE, 0, 0); };
  EXPECT_EQ(program->run(), 0);
  EXPECT_EQ(events, (std::vector<std::string>{"startup", "window created", "exit"}));
}
