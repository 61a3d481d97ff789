// The main window's responsiveness: start-up to the window shown and painted, and a batch
// click until its rows are painted. Medians over many repetitions in one run.
#include <windows.h>

#include <cstdio>
#include <memory>
#include <vector>

#include "bench/support/timing.h"
#include "generator/controls.h"
#include "generator/program.h"

namespace {

using generator::Control;

MSG drain() {
  MSG msg = {};
  while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&msg);
  return msg;
}

double start_up_ms(int repetitions) {
  return bench::median_ms(repetitions, [] {
    generator::Program program;
    program.start();
    UpdateWindow(program.main_window().handle());
    drain();
  });
}

double click_ms(generator::Program& program, Control button, int repetitions) {
  HWND hwnd = program.main_window().control(generator::id(button));
  HWND list = program.main_window().control(generator::id(Control::超级列表框1));
  return bench::median_ms(repetitions, [&] {
    SendMessageA(hwnd, BM_CLICK, 0, 0);
    UpdateWindow(list);
  });
}

}  // namespace

int main() {
  std::printf("start-up to the main window painted: median %.2f ms over 30 starts\n", start_up_ms(30));

  generator::Program program;
  program.start();
  drain();
  for (auto [button, name] : {std::pair{Control::按钮4, "martial moves (按钮4)"},
                              std::pair{Control::按钮8, "western gear (按钮8)"},
                              std::pair{Control::按钮3, "full names (按钮3)"}}) {
    click_ms(program, button, 10);  // warm-up
    std::printf("click to rows painted, %s: median %.3f ms over 300 clicks\n", name,
                click_ms(program, button, 300));
  }
  return 0;
}
