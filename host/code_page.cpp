#include "host/code_page.h"

#ifdef _WIN32
#include <windows.h>
#else
#include <iconv.h>
#endif

namespace host {

#ifdef _WIN32
std::optional<std::string> recode(std::string_view text, unsigned from, unsigned to) {
  if (text.empty()) return std::string();
  const int n = static_cast<int>(text.size());
  const int wn = MultiByteToWideChar(from, MB_ERR_INVALID_CHARS, text.data(), n, nullptr, 0);
  if (wn == 0) return std::nullopt;
  std::wstring wide(static_cast<std::size_t>(wn), L'\0');
  MultiByteToWideChar(from, 0, text.data(), n, wide.data(), wn);
  BOOL lossy = FALSE;
  BOOL* lossy_flag = to == CP_UTF8 ? nullptr : &lossy;  // UTF-8 takes no default character
  const int size = WideCharToMultiByte(to, 0, wide.data(), wn, nullptr, 0, nullptr, lossy_flag);
  std::string out(static_cast<std::size_t>(size), '\0');
  WideCharToMultiByte(to, 0, wide.data(), wn, out.data(), size, nullptr, lossy_flag);
  if (lossy) return std::nullopt;
  return out;
}
#else
namespace {
const char* iconv_name(unsigned code_page) { return code_page == kGbk ? "GBK" : "UTF-8"; }
}  // namespace

std::optional<std::string> recode(std::string_view text, unsigned from, unsigned to) {
  iconv_t cd = iconv_open(iconv_name(to), iconv_name(from));
  if (cd == reinterpret_cast<iconv_t>(-1)) return std::nullopt;
  std::string out(text.size() * 2 + 4, '\0');
  char* in = const_cast<char*>(text.data());
  std::size_t in_left = text.size();
  char* dst = out.data();
  std::size_t out_left = out.size();
  const bool ok = iconv(cd, &in, &in_left, &dst, &out_left) != static_cast<std::size_t>(-1);
  iconv_close(cd);
  if (!ok) return std::nullopt;
  out.resize(out.size() - out_left);
  return out;
}
#endif

}  // namespace host
