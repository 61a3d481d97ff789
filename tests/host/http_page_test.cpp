#include "host/http_page.h"

#include <gtest/gtest.h>

#include "tests/support/gbk.h"

using host::parse_http_address;
using host::parse_http_response;
using host::visible_text;

TEST(HttpAddress, ParsesHostPortAndPath) {
  const auto a = parse_http_address("http://127.0.0.1:8080/tongji/tongji.html");
  ASSERT_TRUE(a);
  EXPECT_EQ(a->host, "127.0.0.1");
  EXPECT_EQ(a->port, 8080);
  EXPECT_EQ(a->path, "/tongji/tongji.html");
  const auto b = parse_http_address("HTTP://example.test");
  ASSERT_TRUE(b);
  EXPECT_EQ(b->port, 80);
  EXPECT_EQ(b->path, "/");
  for (const char* bad : {"", "ftp://x/", "http://", "http://:80/", "http://h:0/", "http://h:70000/",
                          "http://h:8o/"})
    EXPECT_FALSE(parse_http_address(bad)) << bad;
}

TEST(HttpAddress, RequestNamesThePathAndTheHost) {
  EXPECT_EQ(host::http_get_request(*parse_http_address("http://h:81/p?q")),
            "GET /p?q HTTP/1.0\r\nHost: h:81\r\nAccept: text/html\r\nConnection: close\r\n\r\n");
}

TEST(HttpResponse, ReadsStatusCharsetAndBody) {
  const auto r = parse_http_response(
      "HTTP/1.1 200 OK\r\nContent-Type: text/html; charset=GBK\r\nContent-Length: 5\r\n\r\nhello, and more");
  ASSERT_TRUE(r);
  EXPECT_EQ(r->status, 200);
  EXPECT_EQ(r->charset, "gbk");
  EXPECT_EQ(r->body, "hello");
}

TEST(HttpResponse, FindsTheCharsetInThePageAndJoinsChunks) {
  const auto meta = parse_http_response(
      "HTTP/1.0 404 Not Found\n\n<meta http-equiv=\"Content-Type\" content=\"text/html; charset=gb2312\">");
  ASSERT_TRUE(meta);
  EXPECT_EQ(meta->status, 404);
  EXPECT_EQ(meta->charset, "gb2312");
  const auto chunked = parse_http_response(
      "HTTP/1.1 200 OK\r\nTransfer-Encoding: chunked\r\n\r\n3\r\nabc\r\n2\r\nde\r\n0\r\n\r\n");
  ASSERT_TRUE(chunked);
  EXPECT_EQ(chunked->body, "abcde");
  EXPECT_FALSE(parse_http_response("garbage"));
  EXPECT_FALSE(parse_http_response("HTTP/1.1 200 OK\r\nno end of headers"));
}

struct TextCase {
  const char* html;
  const char* text;
};

class VisibleText : public testing::TestWithParam<TextCase> {};

TEST_P(VisibleText, IsWhatABrowserShows) { EXPECT_EQ(visible_text(GetParam().html), GetParam().text); }

INSTANTIATE_TEST_SUITE_P(
    Pages, VisibleText,
    testing::Values(
        TextCase{"<html><head><title>T</title></head><body>Hello</body></html>", "Hello"},
        TextCase{"<p>a</p><p>b</p>", "a b"},
        TextCase{"a<br>b<BR/>c", "a b c"},
        TextCase{"x<b>y</b>z", "xyz"},
        TextCase{"<script>var s = '<p>no</p>';</script>shown<style>p{}</style>", "shown"},
        TextCase{"<SCRIPT type=x>hidden</SCRIPT>ok", "ok"},
        TextCase{"a<!-- <p>hidden</p> -->b", "ab"},
        TextCase{"  lots \n\t of   space  ", "lots of space"},
        TextCase{"&lt;tag&gt; &amp; &quot;q&quot; &#65;&#x42; a&nbsp;b &unknown; & alone",
                 "<tag> & \"q\" AB a b &unknown; & alone"},
        TextCase{"", ""},
        TextCase{"<unclosed", ""}));

TEST(VisibleTextGbk, KeepsDoubleByteText) {
  const std::string page = "<body><p>" + test_support::gbk("今日访问") + "</p></body>";
  EXPECT_EQ(visible_text(page), test_support::gbk("今日访问"));
}
