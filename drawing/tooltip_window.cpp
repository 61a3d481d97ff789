#include "drawing/tooltip_window.h"

#include <commctrl.h>

namespace drawing {
namespace {

// Version 2 of the record: understood by every common-controls version the program meets.
TOOLINFOA tool(HWND owner, UINT_PTR id, const RECT& area, UINT flags, LPSTR text) {
  TOOLINFOA info{};
  info.cbSize = TTTOOLINFOA_V2_SIZE;
  info.uFlags = flags;
  info.hwnd = owner;
  info.uId = id;
  info.rect = area;
  info.lpszText = text;
  return info;
}

}  // namespace

struct TooltipWindow::Cell {
  HWND window = nullptr;
  Cell() = default;
  Cell(const Cell&) = delete;
  ~Cell() {
    if (window) DestroyWindow(window);
  }
};

TooltipWindow::TooltipWindow() : cell_(std::make_shared<Cell>()) {}

bool TooltipWindow::create(DWORD style) {
  if (cell_->window) DestroyWindow(cell_->window);
  cell_->window = CreateWindowExA(0, TOOLTIPS_CLASSA, nullptr, WS_POPUP | style, CW_USEDEFAULT,
                                  CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, nullptr, nullptr,
                                  GetModuleHandleA(nullptr), nullptr);
  return cell_->window != nullptr;
}

bool TooltipWindow::add_tool(HWND owner, UINT_PTR id, const RECT& area, std::string_view text,
                             UINT flags) const {
  std::string copy(text);
  TOOLINFOA info = tool(owner, id, area, flags, copy.data());
  return SendMessageA(cell_->window, TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&info)) != FALSE;
}

bool TooltipWindow::add_tool_callback(HWND owner, UINT_PTR id, const RECT& area, UINT flags) const {
  TOOLINFOA info = tool(owner, id, area, flags, LPSTR_TEXTCALLBACKA);
  return SendMessageA(cell_->window, TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&info)) != FALSE;
}

void TooltipWindow::set_tip_bk_color(COLORREF colour) const {
  SendMessageA(cell_->window, TTM_SETTIPBKCOLOR, colour, 0);
}

void TooltipWindow::set_tip_text_color(COLORREF colour) const {
  SendMessageA(cell_->window, TTM_SETTIPTEXTCOLOR, colour, 0);
}

int TooltipWindow::set_max_tip_width(int width) const {
  return static_cast<int>(SendMessageA(cell_->window, TTM_SETMAXTIPWIDTH, 0, width));
}

void TooltipWindow::del_tool(HWND owner, UINT_PTR id) const {
  TOOLINFOA info = tool(owner, id, RECT{}, 0, nullptr);
  SendMessageA(cell_->window, TTM_DELTOOLA, 0, reinterpret_cast<LPARAM>(&info));
}

void TooltipWindow::new_tool_rect(HWND owner, UINT_PTR id, const RECT& area) const {
  TOOLINFOA info = tool(owner, id, area, 0, nullptr);
  SendMessageA(cell_->window, TTM_NEWTOOLRECTA, 0, reinterpret_cast<LPARAM>(&info));
}

void TooltipWindow::update_tip_text(HWND owner, UINT_PTR id, std::string_view text) const {
  std::string copy(text);
  TOOLINFOA info = tool(owner, id, RECT{}, 0, copy.data());
  SendMessageA(cell_->window, TTM_UPDATETIPTEXTA, 0, reinterpret_cast<LPARAM>(&info));
}

HWND TooltipWindow::window() const { return cell_->window; }

}  // namespace drawing
