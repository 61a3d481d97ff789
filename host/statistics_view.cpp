#include "host/statistics_view.h"

#include <windows.h>

#include <memory>
#include <mutex>
#include <string>
#include <thread>

#include "host/http_client.h"
#include "host/platform.h"

namespace host {

namespace {

constexpr char kClassName[] = "YanxiStatisticsView";
constexpr UINT kPageArrived = WM_APP + 1;  // lparam: a std::string* the view takes over
constexpr char kFontProperty[] = "Yanxi_Font";

// What the worker and the window share: the worker posts only while the window lives.
struct Link {
  std::mutex mutex;
  HWND window;
};

std::string fetch_page_text(const std::string& address_text) {
  const auto address = parse_http_address(address_text);
  if (!address) return {};
  const auto raw = http_fetch(*address, kStatisticsTimeoutMs);
  if (!raw) return {};
  const auto response = parse_http_response(*raw);
  if (!response || response->status != 200) return {};
  return page_bytes_to_gbk(visible_text(response->body), response->charset);
}

void start_fetch(HWND window, std::string address) {
  auto link = std::make_shared<Link>();
  link->window = window;
  SetWindowLongPtrA(window, GWLP_USERDATA,
                    reinterpret_cast<LONG_PTR>(new std::shared_ptr<Link>(link)));
  std::thread([link, address = std::move(address)] {
    auto text = std::make_unique<std::string>(fetch_page_text(address));
    std::lock_guard lock(link->mutex);
    if (link->window &&
        PostMessageA(link->window, kPageArrived, 0, reinterpret_cast<LPARAM>(text.get())))
      text.release();
  }).detach();
}

void end_fetch(HWND window) {
  auto* holder = reinterpret_cast<std::shared_ptr<Link>*>(GetWindowLongPtrA(window, GWLP_USERDATA));
  if (!holder) return;
  {
    std::lock_guard lock((*holder)->mutex);
    (*holder)->window = nullptr;
  }
  delete holder;
  SetWindowLongPtrA(window, GWLP_USERDATA, 0);
  MSG pending;
  while (PeekMessageA(&pending, window, kPageArrived, kPageArrived, PM_REMOVE)) {
    // PeekMessage hands out WM_QUIT whatever the filter; it belongs to the message loop.
    if (pending.message == WM_QUIT) {
      PostQuitMessage(static_cast<int>(pending.wParam));
      break;
    }
    delete reinterpret_cast<std::string*>(pending.lParam);
  }
}

void paint(HWND window) {
  PAINTSTRUCT ps;
  HDC dc = BeginPaint(window, &ps);
  RECT area;
  GetClientRect(window, &area);
  FillRect(dc, &area, GetSysColorBrush(COLOR_WINDOW));
  const std::string text = window_text(window);
  HGDIOBJ old_font = SelectObject(dc, GetPropA(window, kFontProperty));
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, GetSysColor(COLOR_WINDOWTEXT));
  InflateRect(&area, -4, -4);
  DrawTextA(dc, text.c_str(), static_cast<int>(text.size()), &area,
            DT_WORDBREAK | DT_NOPREFIX | DT_EDITCONTROL | DT_END_ELLIPSIS);
  SelectObject(dc, old_font);
  EndPaint(window, &ps);
}

LRESULT CALLBACK view_proc(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  switch (message) {
    case WM_CREATE: {
      std::string address = window_text(window);
      SetWindowTextA(window, "");
      start_fetch(window, std::move(address));
      return 0;
    }
    case kPageArrived: {
      std::unique_ptr<std::string> text(reinterpret_cast<std::string*>(lparam));
      SetWindowTextA(window, text->c_str());
      if (!text->empty()) ShowWindow(window, SW_SHOWNA);
      InvalidateRect(window, nullptr, TRUE);
      return 0;
    }
    case WM_SETFONT:
      SetPropA(window, kFontProperty, reinterpret_cast<HANDLE>(wparam));
      if (LOWORD(lparam)) InvalidateRect(window, nullptr, TRUE);
      return 0;
    case WM_GETFONT:
      return reinterpret_cast<LRESULT>(GetPropA(window, kFontProperty));
    case WM_ERASEBKGND:
      return 1;  // WM_PAINT fills the whole client area
    case WM_PAINT:
      paint(window);
      return 0;
    case WM_NCDESTROY:
      end_fetch(window);
      RemovePropA(window, kFontProperty);
      break;
  }
  return DefWindowProcA(window, message, wparam, lparam);
}

}  // namespace

const char* statistics_view_class() {
  static const bool registered = [] {
    WNDCLASSEXA wc = {};
    wc.cbSize = sizeof wc;
    wc.lpfnWndProc = view_proc;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    wc.lpszClassName = kClassName;
    return RegisterClassExA(&wc) != 0;
  }();
  return registered ? kClassName : "STATIC";
}

}  // namespace host
