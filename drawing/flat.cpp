#include "drawing/flat.h"

#include <algorithm>
#include <iterator>

namespace drawing {

std::wstring widen(std::string_view gbk) {
  if (gbk.empty()) return {};
  const int n = static_cast<int>(gbk.size());
  std::wstring wide(MultiByteToWideChar(CP_ACP, 0, gbk.data(), n, nullptr, 0), L'\0');
  MultiByteToWideChar(CP_ACP, 0, gbk.data(), n, wide.data(), static_cast<int>(wide.size()));
  return wide;
}

std::string narrow(std::wstring_view utf16) {
  if (utf16.empty()) return {};
  const int n = static_cast<int>(utf16.size());
  std::string text(WideCharToMultiByte(CP_ACP, 0, utf16.data(), n, nullptr, 0, nullptr, nullptr),
                   '\0');
  WideCharToMultiByte(CP_ACP, 0, utf16.data(), n, text.data(), static_cast<int>(text.size()),
                      nullptr, nullptr);
  return text;
}

bool parse_guid(std::string_view text, GUID& guid) {
  guid = GUID{};
  return SUCCEEDED(CLSIDFromString(widen(text).c_str(), &guid));
}

std::string guid_text(const GUID& guid) {
  wchar_t text[40] = {};
  StringFromGUID2(guid, text, static_cast<int>(std::size(text)));
  return narrow(text);
}

namespace detail {
namespace {

// Exported by Wine's gdiplus.dll, but only as stubs that raise an exception when called.
constexpr std::string_view wine_stubs[] = {
    "GdipEnumerateMetafileDestPoints",      "GdipEnumerateMetafileDestPointsI",
    "GdipEnumerateMetafileSrcRectDestPoint", "GdipEnumerateMetafileSrcRectDestPointI",
    "GdipEnumerateMetafileSrcRectDestPointsI", "GdipGetEncoderParameterList",
    "GdipSetPenUnit",
};

bool running_on_wine() {
  static const bool wine =
      GetProcAddress(GetModuleHandleW(L"ntdll.dll"), "wine_get_version") != nullptr;
  return wine;
}

HMODULE gdiplus_module() {
  // Loaded once for the life of the process: every resolved entry point points into it.
  static const HMODULE module = [] {
    HMODULE loaded = GetModuleHandleW(L"gdiplus.dll");
    return loaded ? loaded : LoadLibraryW(L"gdiplus.dll");
  }();
  return module;
}

}  // namespace

void* resolve_flat(const char* name) {
  if (running_on_wine() && std::ranges::find(wine_stubs, name) != std::end(wine_stubs)) {
    return nullptr;
  }
  const HMODULE module = gdiplus_module();
  return module ? reinterpret_cast<void*>(GetProcAddress(module, name)) : nullptr;
}

}  // namespace detail
}  // namespace drawing
