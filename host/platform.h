#pragma once
// The few Win32 user and GDI helpers needed in many places: typed window properties,
// owners of GDI objects and device contexts, and reads that return values instead of filling
// out-parameters.
#include <windows.h>

#include <cstdint>
#include <memory>
#include <string>
#include <type_traits>

namespace host {

// A window property holds one 32-bit value under a name; an absent property reads 0.
template <class T = std::uintptr_t>
T get_property(HWND window, const char* name) {
  const auto value = reinterpret_cast<std::uintptr_t>(GetPropA(window, name));
  if constexpr (std::is_pointer_v<T>) {
    return reinterpret_cast<T>(value);
  } else {
    return static_cast<T>(value);
  }
}

template <class T>
void set_property(HWND window, const char* name, T value) {
  if constexpr (std::is_pointer_v<T>) {
    SetPropA(window, name, reinterpret_cast<HANDLE>(value));
  } else {
    SetPropA(window, name, reinterpret_cast<HANDLE>(static_cast<std::uintptr_t>(value)));
  }
}

struct GdiObjectDeleter {
  void operator()(HGDIOBJ object) const { DeleteObject(object); }
};

// Owner of a GDI object (bitmap, brush, pen, region, font) that deletes it.
template <class Handle>
using GdiObject = std::unique_ptr<std::remove_pointer_t<Handle>, GdiObjectDeleter>;

struct DcDeleter {
  void operator()(HDC dc) const { DeleteDC(dc); }
};

// Owner of a memory device context.
using MemoryDc = std::unique_ptr<std::remove_pointer_t<HDC>, DcDeleter>;

// An object selected into a DC for a scope; the replaced object goes back in at its end, so
// that the selected one can then be deleted.
class ScopedSelection {
 public:
  ScopedSelection(HDC dc, HGDIOBJ object) : dc_(dc), replaced_(SelectObject(dc, object)) {}
  ~ScopedSelection() { SelectObject(dc_, replaced_); }
  ScopedSelection(const ScopedSelection&) = delete;
  ScopedSelection& operator=(const ScopedSelection&) = delete;

 private:
  HDC dc_;
  HGDIOBJ replaced_;
};

// The DC of a window's client area (GetDC), released at the end of the scope.
class WindowDc {
 public:
  explicit WindowDc(HWND window) : window_(window), dc_(GetDC(window)) {}
  ~WindowDc() { ReleaseDC(window_, dc_); }
  WindowDc(const WindowDc&) = delete;
  WindowDc& operator=(const WindowDc&) = delete;
  HDC get() const { return dc_; }

 private:
  HWND window_;
  HDC dc_;
};

inline int width_of(const RECT& r) { return r.right - r.left; }
inline int height_of(const RECT& r) { return r.bottom - r.top; }

// Window rectangle in screen coordinates (GetWindowRect); empty for a window that does not exist.
RECT window_rect(HWND window);
// Client rectangle (GetClientRect): origin 0, 0.
RECT client_rect(HWND window);

// The window's text (GetWindowTextLengthA / GetWindowTextA), GBK.
std::string window_text(HWND window);

// The parent of a child window; null at a top-level window, so that walks up the window tree stop
// there instead of going on to an owner window.
HWND parent_of(HWND window);

}  // namespace host
