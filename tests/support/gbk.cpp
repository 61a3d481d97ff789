#include "tests/support/gbk.h"

#include <stdexcept>

#ifdef _WIN32
#include <windows.h>
#else
#include <iconv.h>
#endif

namespace test_support {

#ifdef _WIN32
std::string gbk(std::string_view utf8) {
  if (utf8.empty()) return {};
  const int n = static_cast<int>(utf8.size());
  std::wstring wide(MultiByteToWideChar(CP_UTF8, 0, utf8.data(), n, nullptr, 0), L'\0');
  MultiByteToWideChar(CP_UTF8, 0, utf8.data(), n, wide.data(), static_cast<int>(wide.size()));
  const int wn = static_cast<int>(wide.size());
  std::string out(WideCharToMultiByte(936, 0, wide.data(), wn, nullptr, 0, nullptr, nullptr), '\0');
  WideCharToMultiByte(936, 0, wide.data(), wn, out.data(), static_cast<int>(out.size()), nullptr,
                      nullptr);
  return out;
}
#else
std::string gbk(std::string_view utf8) {
  iconv_t cd = iconv_open("GBK", "UTF-8");
  if (cd == reinterpret_cast<iconv_t>(-1)) throw std::runtime_error("no GBK converter");
  std::string out(utf8.size() * 2 + 1, '\0');
  char* in = const_cast<char*>(utf8.data());
  std::size_t in_left = utf8.size();
  char* dst = out.data();
  std::size_t out_left = out.size();
  const std::size_t result = iconv(cd, &in, &in_left, &dst, &out_left);
  iconv_close(cd);
  if (result == static_cast<std::size_t>(-1)) throw std::runtime_error("text not encodable in GBK");
  out.resize(out.size() - out_left);
  return out;
}
#endif

}  // namespace test_support
