#pragma once
// The program: its global state, its main window with the events bound to the commands, and the
// order in which it starts and ends.
#include <functional>

#include "generator/main_window_layout.h"
#include "generator/session.h"
#include "host/form_ui.h"
#include "host/form_window.h"

namespace generator {

struct Hooks {
  std::function<void()> startup;
  std::function<void(const host::FormWindow&)> window_created;
  std::function<void()> exit;
};

// The skin's three hooks.
Hooks skin_hooks();

class Program {
 public:
  explicit Program(const host::FormLayout& layout = kMainWindowLayout, Hooks hooks = skin_hooks());
  ~Program();

  // Start-up up to the message loop: globals, exit routine, start-up hook, the main window
  // (whose creation runs the window-created handler), shown. False when no window could be made.
  bool start();
  // Everything: start-up, the message loop until the main window closes, the exit routine.
  int run();
  // The exit routine; runs once, also when the program object goes without it.
  void exit();

  const host::FormWindow& main_window() const { return window_; }
  const AppGlobals& globals() const { return globals_; }

 private:
  void on_window_created();
  void on_click(host::ControlId control);
  void on_double_click(host::ControlId control);

  Hooks hooks_;
  AppGlobals globals_;
  host::RandomSource random_;
  host::FormWindow window_;
  host::FormUi ui_;
  Session session_;
  std::function<void()> exit_routine_;
};

}  // namespace generator
