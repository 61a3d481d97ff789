#include "tests/skin/test_windows.h"

namespace skin_test {

namespace {

LRESULT CALLBACK test_window_proc(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  if (message == WM_NCDESTROY) skin::remove_window_record(window);
  return DefWindowProcA(window, message, wparam, lparam);
}

const char* test_window_class() {
  static const char* const name = [] {
    WNDCLASSA c{};
    c.lpfnWndProc = test_window_proc;
    c.hInstance = GetModuleHandleA(nullptr);
    c.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    c.lpszClassName = "YanxiSkinTestWindow";
    RegisterClassA(&c);
    return c.lpszClassName;
  }();
  return name;
}

}  // namespace

Window create_top_window(int x, int y, int width, int height) {
  HWND window = CreateWindowExA(0, test_window_class(), "skin test", WS_POPUP | WS_VISIBLE, x, y,
                                width, height, nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
  pump_messages();
  return Window(window);
}

HWND create_child(const char* class_name, HWND parent, int x, int y, int width, int height,
                  DWORD style, DWORD ex_style) {
  return CreateWindowExA(ex_style, class_name, "", WS_CHILD | WS_VISIBLE | style, x, y, width,
                         height, parent, nullptr, GetModuleHandleA(nullptr), nullptr);
}

void pump_messages() {
  MSG msg;
  while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
  }
}

int skin_window(HWND window) {
  skin::WindowRecord record;
  record.hwnd = window;
  const int index = skin::append_window_record(record);
  host::set_property(window, skin::property::list_index, index);
  return index;
}

namespace {

HBITMAP small_bitmap() { return CreateBitmap(4, 4, 1, 32, nullptr); }

}  // namespace

std::vector<HGDIOBJ> give_painter_objects(skin::WindowRecord& r, HWND control) {
  const HBITMAP brush_bitmap = small_bitmap();
  const HBRUSH brush = CreatePatternBrush(brush_bitmap);
  host::set_property(control, skin::property::colour_brush_bitmap, brush_bitmap);
  host::set_property(control, skin::property::colour_brush, brush);
  r.back_buffer_dc = CreateCompatibleDC(nullptr);
  const HBITMAP back_buffer = small_bitmap();
  host::set_property(r.hwnd, skin::property::back_buffer_replaced,
                     SelectObject(r.back_buffer_dc, back_buffer));
  host::set_property(r.hwnd, skin::property::back_buffer_bitmap, back_buffer);
  r.caption_layer_dc = CreateCompatibleDC(nullptr);
  r.caption_layer_bitmap = small_bitmap();
  r.caption_layer_saved = SelectObject(r.caption_layer_dc, r.caption_layer_bitmap);
  r.status_layer_dc = CreateCompatibleDC(nullptr);
  r.status_layer_bitmap = small_bitmap();
  r.status_layer_saved = SelectObject(r.status_layer_dc, r.status_layer_bitmap);
  return {brush_bitmap,       brush,
          r.back_buffer_dc,   back_buffer,
          r.caption_layer_dc, r.caption_layer_bitmap,
          r.status_layer_dc,  r.status_layer_bitmap};
}

int live_gdi_objects() {
  if (const DWORD counted = GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS)) {
    return static_cast<int>(counted);
  }
  int live = 0;
  for (std::uintptr_t index = 1; index <= 0xFFFF; ++index) {
    if (GetObjectType(reinterpret_cast<HGDIOBJ>(index))) ++live;
  }
  return live;
}

}  // namespace skin_test
