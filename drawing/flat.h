#pragma once
// The flat GDI+ entry points as the drawing classes reach them: resolved from gdiplus.dll by name
// on first use, so that a function the installed gdiplus.dll lacks (Wine leaves some out or
// exports them as stubs that raise an exception) costs that one call a NotImplemented status
// instead of keeping the whole program from loading.
#include <windows.h>
#include <objbase.h>
#include <gdiplus.h>

#include <atomic>
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace drawing {

using Gdiplus::ARGB;
using Gdiplus::Point;
using Gdiplus::PointF;
using Gdiplus::REAL;
using Gdiplus::Rect;
using Gdiplus::RectF;
using Gdiplus::SizeF;
using Gdiplus::Status;

using Gdiplus::GpBitmap;
using Gdiplus::GpBrush;
using Gdiplus::GpFont;
using Gdiplus::GpFontCollection;
using Gdiplus::GpFontFamily;
using Gdiplus::GpGraphics;
using Gdiplus::GpImage;
using Gdiplus::GpLineGradient;
using Gdiplus::GpMatrix;
using Gdiplus::GpPath;
using Gdiplus::GpPathGradient;
using Gdiplus::GpPen;
using Gdiplus::GpRegion;
using Gdiplus::GpSolidFill;
using Gdiplus::GpStringFormat;
using Gdiplus::GpTexture;

// The status of the most recent forwarded call on any object (Ok = 0). Meaningful on the thread
// that just made a call; atomic only so that a second drawing thread is not a data race.
inline std::atomic<Status> last_status{Gdiplus::Ok};

inline bool record(Status status) {
  last_status.store(status, std::memory_order_relaxed);
  return status == Gdiplus::Ok;
}

// GBK texts <-> UTF-16, through the system ANSI code page (936 where the program runs).
std::wstring widen(std::string_view gbk);
std::string narrow(std::wstring_view utf16);

// A GUID in registry format ("{6AEDBD6D-3FB5-418A-83A6-7F45229DC872}"); false when unreadable.
bool parse_guid(std::string_view text, GUID& guid);
std::string guid_text(const GUID& guid);

namespace detail {

// The address of a gdiplus.dll export, or nullptr when it is missing or only a stub.
void* resolve_flat(const char* name);

template <std::size_t N>
struct FlatName {
  char text[N];
  constexpr FlatName(const char (&name)[N]) {
    for (std::size_t i = 0; i < N; ++i) text[i] = name[i];
  }
};

template <FlatName Name, typename Fn>
Fn flat_entry() {
  static const Fn entry = reinterpret_cast<Fn>(resolve_flat(Name.text));
  return entry;
}

}  // namespace detail
}  // namespace drawing

// The entry point of a flat-API function, typed by the mingw-w64 declaration (nullptr if missing).
#define DRAWING_FLAT(fn) \
  (::drawing::detail::flat_entry<#fn, decltype(&::Gdiplus::DllExports::fn)>())
