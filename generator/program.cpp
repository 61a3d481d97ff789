#include "generator/program.h"

#include "generator/commands.h"
#include "generator/controls.h"
#include "generator/result_list.h"
#include "generator/skin_hooks.h"

namespace generator {

Hooks skin_hooks() { return {skin_startup_hook, skin_window_created_hook, skin_exit_hook}; }

Program::Program(const host::FormLayout& layout, Hooks hooks)
    : hooks_(std::move(hooks)),
      window_(layout, {[this] { on_window_created(); },
                       [this](host::ControlId c) { on_click(c); },
                       [this](host::ControlId c) { on_double_click(c); }}),
      ui_(window_),
      session_{globals_, ui_, random_} {}

Program::~Program() { exit(); }

bool Program::start() {
  init_app_globals(globals_);
  exit_routine_ = [this] {
    release_app_globals(globals_);
    if (hooks_.exit) hooks_.exit();
  };
  if (hooks_.startup) hooks_.startup();
  if (!window_.create()) return false;
  window_.show();
  return true;
}

int Program::run() {
  const int code = start() ? host::run_message_loop() : 1;
  exit();
  return code;
}

void Program::exit() {
  if (auto routine = std::exchange(exit_routine_, nullptr)) routine();
}

// Runs inside the window's creation: the skin first, the word lists last, and all of it before
// the window can show or take a click.
void Program::on_window_created() {
  if (hooks_.window_created) hooks_.window_created(window_);
  load_word_lists(globals_, random_);
}

void Program::on_click(host::ControlId control) {
  on_button_click(session_, static_cast<Control>(control));
}

void Program::on_double_click(host::ControlId control) {
  if (control == id(Control::超级列表框1)) copy_selected_name(session_);
}

}  // namespace generator
