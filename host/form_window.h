#pragma once
// The window framework: a top-level window built from a FormLayout, whose click, double-click and
// created events reach their handlers on the window's thread.
#include <windows.h>

#include <functional>
#include <vector>

#include "host/control_id.h"
#include "host/form_layout.h"
#include "host/platform.h"

namespace host {

class FormWindow {
 public:
  struct Events {
    std::function<void()> created;                   // during creation, before the window shows
    std::function<void(ControlId)> clicked;          // a button, wherever it sits
    std::function<void(ControlId)> double_clicked;   // a report list
  };

  FormWindow(const FormLayout& layout, Events events);
  ~FormWindow();
  FormWindow(const FormWindow&) = delete;
  FormWindow& operator=(const FormWindow&) = delete;

  // Creates the window and every control; the created event has run when this returns.
  bool create();
  void show();
  HWND handle() const { return hwnd_; }
  HWND control(ControlId id) const;
  const FormLayout& layout() const { return layout_; }

 private:
  static LRESULT CALLBACK window_proc(HWND, UINT, WPARAM, LPARAM);
  static LRESULT CALLBACK tab_proc(HWND, UINT, WPARAM, LPARAM);
  LRESULT on_message(UINT message, WPARAM wparam, LPARAM lparam);
  void create_controls();
  HWND create_control(ControlId id, const ControlSpec& spec);
  HFONT font_for(const ControlSpec& spec);
  ControlId id_of(HWND control) const;

  const FormLayout& layout_;
  Events events_;
  GdiObject<HFONT> control_font_;
  std::vector<GdiObject<HFONT>> own_fonts_;
  std::vector<HWND> controls_;
  HWND hwnd_ = nullptr;
  bool closing_from_owner_ = false;  // the owner's destruction ends no message loop
};

// Runs the thread's message loop until WM_QUIT and returns its exit code.
int run_message_loop();

}  // namespace host
