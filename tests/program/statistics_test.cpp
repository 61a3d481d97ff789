// The statistics page: requested once at start, off the window's thread, its text shown.
#include "tests/program/program_fixture.h"

using test_support::gbk;
using test_support::LoopbackHttpServer;

namespace {

const char kPage[] =
    "HTTP/1.1 200 OK\r\nContent-Type: text/html; charset=utf-8\r\nConnection: close\r\n\r\n"
    "<html><head><title>统计</title><style>p{color:red}</style></head>"
    "<body><p>今日访问 <b>12</b> 次</p><script>count()</script></body></html>";

}  // namespace

TEST_F(ProgramTest, ThePageIsRequestedOnceAndItsTextShown) {
  LoopbackHttpServer server(kPage);
  start(server.port());
  HWND view = control(Control::超文本浏览框1);
  ASSERT_TRUE(test_support::pump_until([&] { return !host::window_text(view).empty(); }));
  test_support::pump_messages_for(300);
  EXPECT_EQ(host::window_text(view), gbk("今日访问 12 次"));
  EXPECT_TRUE(IsWindowVisible(view));
  EXPECT_EQ(server.requests(), 1);
  EXPECT_EQ(server.last_request().rfind("GET /tongji/tongji.html HTTP/1.0\r\n", 0), 0u)
      << server.last_request();
}

TEST_F(ProgramTest, NoServerShowsNothing) {
  start();
  test_support::pump_messages_for(500);
  HWND view = control(Control::超文本浏览框1);
  EXPECT_EQ(host::window_text(view), "");
  EXPECT_FALSE(IsWindowVisible(view)) << "nothing covers the result list";
}

TEST_F(ProgramTest, ASlowServerKeepsNobodyWaiting) {
  LoopbackHttpServer server(kPage, /*hold=*/true);
  start(server.port());
  ASSERT_TRUE(test_support::pump_until([&] { return server.requests() == 1; }));
  press(Control::按钮4);
  EXPECT_EQ(row_count(), 70) << "the window works while the request is pending";
  HWND view = control(Control::超文本浏览框1);
  EXPECT_EQ(host::window_text(view), "");
  server.release();
  EXPECT_TRUE(test_support::pump_until([&] { return !host::window_text(view).empty(); }));
}

TEST_F(ProgramTest, ClosingWhileThePageIsOnItsWayIsSafe) {
  LoopbackHttpServer server(kPage, /*hold=*/true);
  start(server.port());
  ASSERT_TRUE(test_support::pump_until([&] { return server.requests() == 1; }));
  program.reset();
  server.release();
  test_support::pump_messages_for(300);
}
