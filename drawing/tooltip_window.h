#pragma once
// A "ToolTips_class32" window with its tools. Copies share the window; the last copy destroys it.
#include <windows.h>
#include <commctrl.h>

#include <memory>
#include <string>
#include <string_view>

namespace drawing {

class TooltipWindow {
 public:
  TooltipWindow();  // slots 0 and 1 are the destructor and the copy

  bool create(DWORD style = 0);                                                   // 2
  bool add_tool(HWND owner, UINT_PTR id, const RECT& area, std::string_view text,  // 3
                UINT flags = TTF_SUBCLASS) const;
  bool add_tool_callback(HWND owner, UINT_PTR id, const RECT& area,                // 4
                         UINT flags = TTF_SUBCLASS) const;
  void set_tip_bk_color(COLORREF colour) const;                                   // 5
  void set_tip_text_color(COLORREF colour) const;                                 // 6
  int set_max_tip_width(int width) const;                                         // 7
  void del_tool(HWND owner, UINT_PTR id) const;                                   // 8
  void new_tool_rect(HWND owner, UINT_PTR id, const RECT& area) const;            // 9
  void update_tip_text(HWND owner, UINT_PTR id, std::string_view text) const;     // 10
  HWND window() const;                                                            // 11

 private:
  struct Cell;
  std::shared_ptr<Cell> cell_;
};

}  // namespace drawing
