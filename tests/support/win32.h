#pragma once
// Helpers for tests that drive real windows: message pumping, real mouse input, closing modal
// message boxes from the outside, and a loopback HTTP server.
#include <windows.h>

#include <atomic>
#include <functional>
#include <initializer_list>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace test_support {

struct WindowDestroyer {
  void operator()(HWND window) const {
    if (IsWindow(window)) DestroyWindow(window);
  }
};
// Owner of a test's window, destroyed with the owner.
using Window = std::unique_ptr<std::remove_pointer_t<HWND>, WindowDestroyer>;

// Dispatches the thread's messages for `ms` milliseconds.
void pump_messages_for(int ms);
// Dispatches messages until `done` holds or `timeout_ms` passes; returns `done()`.
bool pump_until(const std::function<bool()>& done, int timeout_ms = 5000);
// Dispatches messages until WM_QUIT arrives; false when it does not within the timeout.
bool pump_until_quit(int timeout_ms = 5000);

// Real mouse input through SendInput at a point of a window's client area.
void click_at(HWND window, POINT client_point);
void double_click_at(HWND window, POINT client_point);
POINT centre_of(HWND window);
// Real keyboard input: presses the keys in order, then releases them in reverse.
void press_keys(std::initializer_list<WORD> virtual_keys);

// Watches for message boxes of this process on its own thread, records their caption and text
// and closes each with OK. `probe` is a window whose enabled state is noted while a box shows
// (a task-modal box disables the task's other windows).
class MessageBoxWatcher {
 public:
  struct Seen {
    std::string caption;
    std::string text;
    bool owned;
    bool probe_enabled;
  };
  explicit MessageBoxWatcher(HWND probe = nullptr);
  ~MessageBoxWatcher();
  std::vector<Seen> seen() const;

 private:
  void watch();
  mutable std::mutex mutex_;
  HWND probe_;
  std::vector<Seen> seen_;
  std::atomic<bool> stop_{false};
  std::thread thread_;
};

// An HTTP server on 127.0.0.1 (a free port) that answers every request with one page. With
// `hold` set it accepts but answers only after release(), to show that nobody waits for it.
class LoopbackHttpServer {
 public:
  explicit LoopbackHttpServer(std::string response, bool hold = false);
  ~LoopbackHttpServer();
  unsigned short port() const { return port_; }
  int requests() const { return requests_; }
  std::string last_request() const;
  void release();

 private:
  void serve();
  std::string response_;
  std::atomic<bool> held_;
  std::atomic<bool> stop_{false};
  std::atomic<int> requests_{0};
  mutable std::mutex mutex_;
  std::string last_request_;
  unsigned long long listener_;
  unsigned short port_ = 0;
  std::thread thread_;
};

// A port on 127.0.0.1 where nothing listens.
unsigned short closed_loopback_port();

// The clipboard's CF_TEXT; false when it holds none or cannot be opened.
bool clipboard_text(std::string& text);

}  // namespace test_support
