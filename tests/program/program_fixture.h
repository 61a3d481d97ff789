#pragma once
// A real main window in this process, built from the program's own layout; only the statistics
// page's address is the test's, so that no request leaves the test.
#include <gtest/gtest.h>
#include <windows.h>

#include <commctrl.h>

#include <memory>
#include <string>
#include <vector>

#include "generator/controls.h"
#include "generator/main_window_layout.h"
#include "generator/program.h"
#include "host/platform.h"
#include "tests/support/gbk.h"
#include "tests/support/win32.h"

class ProgramTest : public testing::Test {
 protected:
  using Control = generator::Control;

  ~ProgramTest() override { program.reset(); }

  // Builds the program; its statistics page comes from `statistics_port`, or from a port where
  // nothing listens.
  void build(unsigned short statistics_port = test_support::closed_loopback_port()) {
    controls.assign(generator::kMainWindowLayout.controls,
                    generator::kMainWindowLayout.controls + generator::kMainWindowLayout.control_count);
    address = "http://127.0.0.1:" + std::to_string(statistics_port) + "/tongji/tongji.html";
    controls[generator::id(Control::超文本浏览框1)].text = address.c_str();
    layout = generator::kMainWindowLayout;
    layout.controls = controls.data();
    program = std::make_unique<generator::Program>(layout, recording_hooks());
    globals = &program->globals();
  }

  void start(unsigned short statistics_port = test_support::closed_loopback_port()) {
    build(statistics_port);
    ASSERT_TRUE(program->start());
    test_support::pump_messages_for(50);
  }

  generator::Hooks recording_hooks() {
    return {[this] { events.push_back("startup"); },
            [this](const host::FormWindow& window) {
              events.push_back("window created");
              visible_when_created = IsWindowVisible(window.handle());
              loaded_when_created = globals->lists[0].count() > 0;
              if (on_created) on_created(window);
            },
            [this] {
              events.push_back("exit");
              released_before_exit_hook = globals->lists[0].count() == 0;
            }};
  }

  HWND main_window() const { return program->main_window().handle(); }
  HWND control(Control c) const { return program->main_window().control(generator::id(c)); }
  std::string text(Control c) const { return host::window_text(control(c)); }

  int row_count() const {
    return static_cast<int>(SendMessageA(control(Control::超级列表框1), LVM_GETITEMCOUNT, 0, 0));
  }
  std::string cell(int row, int column) const {
    char buffer[512] = {};
    LVITEMA item = {};
    item.iSubItem = column;
    item.pszText = buffer;
    item.cchTextMax = sizeof buffer;
    SendMessageA(control(Control::超级列表框1), LVM_GETITEMTEXTA, row, reinterpret_cast<LPARAM>(&item));
    return buffer;
  }
  // A click that goes through the button's own window, as a user's would.
  void press(Control button) { SendMessageA(control(button), BM_CLICK, 0, 0); }

  std::vector<std::string> batch_lines() const {
    return test_support::crlf_lines(text(Control::编辑框2));
  }

  bool in_list(generator::WordCategory k, const std::string& entry) const {
    const auto& list = program->globals().list(k);
    for (int i = 1; i <= list.count(); ++i)
      if (list.entry(i) == entry) return true;
    return false;
  }

  std::vector<host::ControlSpec> controls;
  std::string address;
  host::FormLayout layout{};
  std::unique_ptr<generator::Program> program;
  const generator::AppGlobals* globals = nullptr;  // the hooks' view; lives as long as `program`
  std::vector<std::string> events;
  std::function<void(const host::FormWindow&)> on_created;
  bool visible_when_created = true;
  bool loaded_when_created = true;
  bool released_before_exit_hook = false;
};
