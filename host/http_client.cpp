#include "host/http_client.h"

#include <winsock2.h>
#include <ws2tcpip.h>
#include <windows.h>

#include "host/code_page.h"

namespace host {

namespace {

constexpr std::size_t kMaxResponse = 256 * 1024;

class WinsockSession {
 public:
  WinsockSession() {
    WSADATA data;
    ok_ = WSAStartup(MAKEWORD(2, 2), &data) == 0;
  }
  ~WinsockSession() {
    if (ok_) WSACleanup();
  }
  bool ok() const { return ok_; }

 private:
  bool ok_ = false;
};

class Socket {
 public:
  explicit Socket(SOCKET s) : s_(s) {}
  ~Socket() {
    if (s_ != INVALID_SOCKET) closesocket(s_);
  }
  Socket(const Socket&) = delete;
  Socket& operator=(const Socket&) = delete;
  SOCKET get() const { return s_; }

 private:
  SOCKET s_;
};

bool wait_until(SOCKET s, bool for_writing, int timeout_ms) {
  fd_set set;
  FD_ZERO(&set);
  FD_SET(s, &set);
  fd_set errors = set;
  timeval timeout = {timeout_ms / 1000, (timeout_ms % 1000) * 1000};
  const int ready = select(0, for_writing ? nullptr : &set, for_writing ? &set : nullptr,
                           &errors, &timeout);
  return ready > 0 && FD_ISSET(s, &set);
}

// Connects without blocking longer than the timeout, then leaves the socket blocking.
bool connect_within(SOCKET s, const sockaddr* address, int length, int timeout_ms) {
  u_long non_blocking = 1;
  ioctlsocket(s, FIONBIO, &non_blocking);
  if (connect(s, address, length) != 0 && WSAGetLastError() != WSAEWOULDBLOCK) return false;
  if (!wait_until(s, true, timeout_ms)) return false;
  int error = 0;
  int size = sizeof error;
  getsockopt(s, SOL_SOCKET, SO_ERROR, reinterpret_cast<char*>(&error), &size);
  u_long blocking = 0;
  ioctlsocket(s, FIONBIO, &blocking);
  return error == 0;
}

}  // namespace

std::optional<std::string> http_fetch(const HttpAddress& address, int timeout_ms) {
  WinsockSession winsock;
  if (!winsock.ok()) return std::nullopt;
  addrinfo hints = {};
  hints.ai_family = AF_INET;
  hints.ai_socktype = SOCK_STREAM;
  addrinfo* found = nullptr;
  if (getaddrinfo(address.host.c_str(), std::to_string(address.port).c_str(), &hints, &found) != 0)
    return std::nullopt;
  Socket s(socket(found->ai_family, found->ai_socktype, found->ai_protocol));
  const bool connected = s.get() != INVALID_SOCKET &&
                         connect_within(s.get(), found->ai_addr, static_cast<int>(found->ai_addrlen),
                                        timeout_ms);
  freeaddrinfo(found);
  if (!connected) return std::nullopt;

  const DWORD io_timeout = static_cast<DWORD>(timeout_ms);
  setsockopt(s.get(), SOL_SOCKET, SO_RCVTIMEO, reinterpret_cast<const char*>(&io_timeout), sizeof io_timeout);
  setsockopt(s.get(), SOL_SOCKET, SO_SNDTIMEO, reinterpret_cast<const char*>(&io_timeout), sizeof io_timeout);
  const std::string request = http_get_request(address);
  if (send(s.get(), request.data(), static_cast<int>(request.size()), 0) != static_cast<int>(request.size()))
    return std::nullopt;

  std::string response;
  char buffer[8192];
  while (response.size() < kMaxResponse) {
    const int got = recv(s.get(), buffer, sizeof buffer, 0);
    if (got == 0) return response;
    if (got < 0) return std::nullopt;  // timed out or reset: no complete page
    response.append(buffer, static_cast<std::size_t>(got));
  }
  return response;
}

std::string page_bytes_to_gbk(const std::string& bytes, const std::string& charset) {
  const bool gbk_family = charset == "gbk" || charset == "gb2312" || charset == "gb18030" ||
                          charset == "cp936";
  return gbk_family ? bytes : recode(bytes, kUtf8, kGbk).value_or(std::string());
}

}  // namespace host
