#pragma once
// The portable half of showing a web page as text: the address, the response, the visible text.
#include <optional>
#include <string>
#include <string_view>

namespace host {

struct HttpAddress {
  std::string host;
  unsigned short port = 80;
  std::string path = "/";
};

// "http://host[:port][/path]"; nullopt for anything else.
std::optional<HttpAddress> parse_http_address(std::string_view address);

std::string http_get_request(const HttpAddress& address);

struct HttpResponse {
  int status = 0;
  std::string charset;  // lower case, from Content-Type or the page's own meta tag; may be empty
  std::string body;
};

// A complete HTTP/1.x response (headers and body); nullopt when it is not one.
std::optional<HttpResponse> parse_http_response(std::string_view raw);

// The text a browser would show of an HTML page: no tags, scripts, styles or head; entities
// decoded; runs of white space made one space. Works on the page's own bytes (UTF-8 or GBK:
// neither encoding puts '<', '>' or '&' inside a multi-byte character).
std::string visible_text(std::string_view html);

}  // namespace host
