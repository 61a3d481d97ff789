#include "host/http_page.h"

#include <algorithm>
#include <cctype>
#include <cstdlib>

namespace host {

namespace {

char lower(char c) { return static_cast<char>(std::tolower(static_cast<unsigned char>(c))); }

std::string lowercase(std::string_view text) {
  std::string out(text);
  std::transform(out.begin(), out.end(), out.begin(), lower);
  return out;
}

bool starts_with_nocase(std::string_view text, std::string_view prefix) {
  return text.size() >= prefix.size() && lowercase(text.substr(0, prefix.size())) == prefix;
}

bool is_space(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\f'; }

// The value after "charset=" in `text` (a header value or the start of a page), lower case.
std::string charset_in(std::string_view text) {
  const std::string lowered = lowercase(text);
  const auto at = lowered.find("charset=");
  if (at == std::string::npos) return {};
  std::size_t start = at + 8;
  while (start < lowered.size() && (lowered[start] == '"' || lowered[start] == '\'')) ++start;
  std::size_t end = start;
  while (end < lowered.size() && (std::isalnum(static_cast<unsigned char>(lowered[end])) ||
                                  lowered[end] == '-' || lowered[end] == '_'))
    ++end;
  return lowered.substr(start, end - start);
}

std::string header_value(std::string_view headers, std::string_view name) {
  std::size_t line_start = 0;
  while (line_start < headers.size()) {
    std::size_t line_end = headers.find('\n', line_start);
    if (line_end == std::string_view::npos) line_end = headers.size();
    std::string_view line = headers.substr(line_start, line_end - line_start);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    const auto colon = line.find(':');
    if (colon != std::string_view::npos && lowercase(line.substr(0, colon)) == name) {
      std::string_view value = line.substr(colon + 1);
      while (!value.empty() && is_space(value.front())) value.remove_prefix(1);
      return std::string(value);
    }
    line_start = line_end + 1;
  }
  return {};
}

std::string decode_chunked(std::string_view body) {
  std::string out;
  std::size_t pos = 0;
  while (pos < body.size()) {
    const std::size_t line_end = body.find("\r\n", pos);
    if (line_end == std::string_view::npos) break;
    const std::string size_text(body.substr(pos, line_end - pos));
    const unsigned long size = std::strtoul(size_text.c_str(), nullptr, 16);
    pos = line_end + 2;
    if (size == 0 || pos + size > body.size()) break;
    out.append(body.substr(pos, size));
    pos += size + 2;
  }
  return out;
}

// Elements whose content a browser does not show.
bool is_hidden_element(std::string_view name) {
  for (std::string_view hidden : {"script", "style", "head", "title", "noscript", "template"})
    if (name == hidden) return true;
  return false;
}

bool breaks_text(std::string_view name) {
  for (std::string_view block : {"br", "p", "div", "li", "tr", "td", "th", "table", "ul", "ol",
                                 "h1", "h2", "h3", "h4", "h5", "h6", "hr", "section", "footer"})
    if (name == block) return true;
  return false;
}

// Decodes the entity starting at text[0] == '&'; returns the bytes consumed (0: not an entity).
std::size_t decode_entity(std::string_view text, std::string& out) {
  const auto semicolon = text.find(';');
  if (semicolon == std::string_view::npos || semicolon > 10) return 0;
  const std::string name = lowercase(text.substr(1, semicolon - 1));
  static constexpr struct {
    const char* name;
    char value;
  } kNamed[] = {{"amp", '&'}, {"lt", '<'}, {"gt", '>'}, {"quot", '"'}, {"apos", '\''}, {"nbsp", ' '}};
  for (const auto& entity : kNamed)
    if (name == entity.name) {
      out += entity.value;
      return semicolon + 1;
    }
  if (name.size() > 1 && name[0] == '#') {
    const bool hex = name[1] == 'x';
    const long code = std::strtol(name.c_str() + (hex ? 2 : 1), nullptr, hex ? 16 : 10);
    // Only ASCII can be written without knowing the page's encoding.
    if (code > 0 && code < 128) out += static_cast<char>(code);
    return semicolon + 1;
  }
  return 0;
}

}  // namespace

std::optional<HttpAddress> parse_http_address(std::string_view address) {
  if (!starts_with_nocase(address, "http://")) return std::nullopt;
  address.remove_prefix(7);
  HttpAddress result;
  const auto path_at = address.find('/');
  std::string_view authority = address.substr(0, path_at);
  if (path_at != std::string_view::npos) result.path = std::string(address.substr(path_at));
  const auto colon = authority.find(':');
  if (colon != std::string_view::npos) {
    const std::string port(authority.substr(colon + 1));
    char* end = nullptr;
    const long value = std::strtol(port.c_str(), &end, 10);
    if (port.empty() || *end || value < 1 || value > 65535) return std::nullopt;
    result.port = static_cast<unsigned short>(value);
    authority = authority.substr(0, colon);
  }
  if (authority.empty()) return std::nullopt;
  result.host = std::string(authority);
  return result;
}

std::string http_get_request(const HttpAddress& address) {
  std::string request = "GET ";
  request.append(address.path).append(" HTTP/1.0\r\nHost: ").append(address.host);
  if (address.port != 80) request.append(":").append(std::to_string(address.port));
  request.append("\r\nAccept: text/html\r\nConnection: close\r\n\r\n");
  return request;
}

std::optional<HttpResponse> parse_http_response(std::string_view raw) {
  if (!starts_with_nocase(raw, "http/1.")) return std::nullopt;
  auto headers_end = raw.find("\r\n\r\n");
  std::size_t separator = 4;
  if (headers_end == std::string_view::npos) {
    headers_end = raw.find("\n\n");
    separator = 2;
  }
  if (headers_end == std::string_view::npos) return std::nullopt;
  const std::string_view headers = raw.substr(0, headers_end);
  const auto space = headers.find(' ');
  if (space == std::string_view::npos) return std::nullopt;
  HttpResponse response;
  response.status = std::atoi(std::string(headers.substr(space + 1, 3)).c_str());
  std::string_view body = raw.substr(headers_end + separator);
  if (lowercase(header_value(headers, "transfer-encoding")).find("chunked") != std::string::npos) {
    response.body = decode_chunked(body);
  } else {
    const std::string length = header_value(headers, "content-length");
    if (!length.empty()) body = body.substr(0, std::strtoul(length.c_str(), nullptr, 10));
    response.body = std::string(body);
  }
  response.charset = charset_in(header_value(headers, "content-type"));
  if (response.charset.empty())
    response.charset = charset_in(std::string_view(response.body).substr(0, 2048));
  return response;
}

std::string visible_text(std::string_view html) {
  std::string text;
  bool pending_space = false;
  auto emit = [&](char c) {
    if (pending_space && !text.empty()) text += ' ';
    pending_space = false;
    text += c;
  };
  std::size_t pos = 0;
  while (pos < html.size()) {
    const char c = html[pos];
    if (c == '<') {
      if (html.substr(pos, 4) == "<!--") {
        const auto end = html.find("-->", pos + 4);
        pos = end == std::string_view::npos ? html.size() : end + 3;
        continue;
      }
      const bool closing = pos + 1 < html.size() && html[pos + 1] == '/';
      std::size_t name_end = pos + 1 + closing;
      const std::size_t name_start = name_end;
      while (name_end < html.size() && std::isalnum(static_cast<unsigned char>(html[name_end])))
        ++name_end;
      const std::string name = lowercase(html.substr(name_start, name_end - name_start));
      const auto tag_end = html.find('>', name_end);
      pos = tag_end == std::string_view::npos ? html.size() : tag_end + 1;
      if (!closing && is_hidden_element(name)) {
        const auto close = lowercase(html.substr(pos)).find("</" + name);
        const auto close_end =
            close == std::string::npos ? std::string_view::npos : html.find('>', pos + close);
        pos = close_end == std::string_view::npos ? html.size() : close_end + 1;
      }
      if (breaks_text(name)) pending_space = true;
      continue;
    }
    if (is_space(c)) {
      pending_space = true;
      ++pos;
      continue;
    }
    if (c == '&') {
      std::string decoded;
      if (const std::size_t used = decode_entity(html.substr(pos), decoded)) {
        for (char d : decoded) d == ' ' ? void(pending_space = true) : emit(d);
        pos += used;
        continue;
      }
    }
    emit(c);
    ++pos;
  }
  return text;
}

}  // namespace host
