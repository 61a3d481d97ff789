#include <winsock2.h>
#include <ws2tcpip.h>

#include "tests/support/win32.h"

#include <chrono>

namespace test_support {

namespace {

// Pumps until `done` holds, the timeout passes, or WM_QUIT arrives (which sets `quit`).
bool pump(const std::function<bool()>& done, int timeout_ms, bool& quit) {
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeout_ms);
  while (!done()) {
    if (std::chrono::steady_clock::now() >= deadline) return done();
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
      if (msg.message == WM_QUIT) {
        quit = true;
        return done();
      }
      TranslateMessage(&msg);
      DispatchMessageA(&msg);
    }
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
  }
  return true;
}

}  // namespace

void pump_messages_for(int ms) {
  bool quit = false;
  pump([] { return false; }, ms, quit);
}

bool pump_until(const std::function<bool()>& done, int timeout_ms) {
  bool quit = false;
  return pump(done, timeout_ms, quit);
}

bool pump_until_quit(int timeout_ms) {
  bool quit = false;
  pump([&] { return quit; }, timeout_ms, quit);
  return quit;
}

namespace {

INPUT mouse_input(DWORD flags, POINT screen = {}) {
  INPUT input = {};
  input.type = INPUT_MOUSE;
  input.mi.dwFlags = flags;
  if (flags & MOUSEEVENTF_ABSOLUTE) {
    input.mi.dx = MulDiv(screen.x, 65536, GetSystemMetrics(SM_CXSCREEN)) + 1;
    input.mi.dy = MulDiv(screen.y, 65536, GetSystemMetrics(SM_CYSCREEN)) + 1;
  }
  return input;
}

void press_and_release(HWND window, POINT client_point, int times) {
  POINT screen = client_point;
  ClientToScreen(window, &screen);
  std::vector<INPUT> inputs = {mouse_input(MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE, screen)};
  for (int i = 0; i < times; ++i) {
    inputs.push_back(mouse_input(MOUSEEVENTF_LEFTDOWN));
    inputs.push_back(mouse_input(MOUSEEVENTF_LEFTUP));
  }
  SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
}

}  // namespace

void click_at(HWND window, POINT client_point) { press_and_release(window, client_point, 1); }
void double_click_at(HWND window, POINT client_point) { press_and_release(window, client_point, 2); }

POINT centre_of(HWND window) {
  RECT r;
  GetClientRect(window, &r);
  return {(r.right - r.left) / 2, (r.bottom - r.top) / 2};
}

void press_keys(std::initializer_list<WORD> virtual_keys) {
  std::vector<INPUT> inputs;
  auto key = [](WORD vk, DWORD flags) {
    INPUT input = {};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = vk;
    input.ki.dwFlags = flags;
    return input;
  };
  for (WORD vk : virtual_keys) inputs.push_back(key(vk, 0));
  for (auto vk = std::rbegin(virtual_keys); vk != std::rend(virtual_keys); ++vk)
    inputs.push_back(key(*vk, KEYEVENTF_KEYUP));
  SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
}

namespace {

// Binds the socket to a port of 127.0.0.1 that the system picks, and returns the port.
unsigned short bind_to_free_loopback_port(SOCKET s) {
  sockaddr_in address = {};
  address.sin_family = AF_INET;
  address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  bind(s, reinterpret_cast<sockaddr*>(&address), sizeof address);
  int size = sizeof address;
  getsockname(s, reinterpret_cast<sockaddr*>(&address), &size);
  return ntohs(address.sin_port);
}

}  // namespace

MessageBoxWatcher::MessageBoxWatcher(HWND probe) : probe_(probe), thread_([this] { watch(); }) {}

MessageBoxWatcher::~MessageBoxWatcher() {
  stop_ = true;
  thread_.join();
}

std::vector<MessageBoxWatcher::Seen> MessageBoxWatcher::seen() const {
  std::lock_guard lock(mutex_);
  return seen_;
}

void MessageBoxWatcher::watch() {
  const DWORD process = GetCurrentProcessId();
  while (!stop_) {
    HWND dialog = nullptr;
    while ((dialog = FindWindowExA(nullptr, dialog, "#32770", nullptr))) {
      DWORD owner_process = 0;
      GetWindowThreadProcessId(dialog, &owner_process);
      if (owner_process != process || !IsWindowVisible(dialog)) continue;
      char caption[256] = {}, text[1024] = {};
      GetWindowTextA(dialog, caption, sizeof caption);
      GetDlgItemTextA(dialog, 0xFFFF, text, sizeof text);
      {
        std::lock_guard lock(mutex_);
        seen_.push_back({caption, text, GetWindow(dialog, GW_OWNER) != nullptr,
                         probe_ && IsWindowEnabled(probe_)});
      }
      PostMessageA(dialog, WM_COMMAND, IDOK, 0);
      // Wait for it to go, so that one box is not counted twice.
      for (int i = 0; i < 200 && IsWindow(dialog) && IsWindowVisible(dialog); ++i) Sleep(10);
    }
    Sleep(20);
  }
}

LoopbackHttpServer::LoopbackHttpServer(std::string response, bool hold)
    : response_(std::move(response)), held_(hold) {
  WSADATA data;
  WSAStartup(MAKEWORD(2, 2), &data);
  SOCKET listener = socket(AF_INET, SOCK_STREAM, IPPROTO_TCP);
  port_ = bind_to_free_loopback_port(listener);
  listen(listener, 8);
  listener_ = listener;
  thread_ = std::thread([this] { serve(); });
}

LoopbackHttpServer::~LoopbackHttpServer() {
  stop_ = true;
  held_ = false;
  closesocket(static_cast<SOCKET>(listener_));
  thread_.join();
  WSACleanup();
}

std::string LoopbackHttpServer::last_request() const {
  std::lock_guard lock(mutex_);
  return last_request_;
}

void LoopbackHttpServer::release() { held_ = false; }

void LoopbackHttpServer::serve() {
  while (!stop_) {
    SOCKET client = accept(static_cast<SOCKET>(listener_), nullptr, nullptr);
    if (client == INVALID_SOCKET) return;
    std::string request;
    char buffer[2048];
    while (request.find("\r\n\r\n") == std::string::npos) {
      const int got = recv(client, buffer, sizeof buffer, 0);
      if (got <= 0) break;
      request.append(buffer, static_cast<std::size_t>(got));
    }
    {
      std::lock_guard lock(mutex_);
      last_request_ = request;
    }
    ++requests_;
    while (held_) Sleep(10);
    send(client, response_.data(), static_cast<int>(response_.size()), 0);
    shutdown(client, SD_SEND);
    closesocket(client);
  }
}

unsigned short closed_loopback_port() {
  // Bind a port, then close it: nothing listens there afterwards.
  WSADATA data;
  WSAStartup(MAKEWORD(2, 2), &data);
  SOCKET s = socket(AF_INET, SOCK_STREAM, IPPROTO_TCP);
  const unsigned short port = bind_to_free_loopback_port(s);
  closesocket(s);
  WSACleanup();
  return port;
}

bool clipboard_text(std::string& text) {
  if (!OpenClipboard(nullptr)) return false;
  bool found = false;
  if (HANDLE data = GetClipboardData(CF_TEXT)) {
    if (const char* bytes = static_cast<const char*>(GlobalLock(data))) {
      text = bytes;
      found = true;
      GlobalUnlock(data);
    }
  }
  CloseClipboard();
  return found;
}

}  // namespace test_support
