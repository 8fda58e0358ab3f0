// The socket layer on Windows (WinSock). The process must have started the
// socket service first (SocketStartup).

#include "online/net/Socket.h"

#include <winsock2.h>
#include <ws2tcpip.h>

#include <climits>
#include <utility>

#include "online/net/HostAddress.h"

namespace ostrel::net {
namespace {

SOCKET asSocket(std::intptr_t handle) { return static_cast<SOCKET>(handle); }

// Waits until the socket is readable (or writable) or the time-out passes.
// A failed connect shows in the exception set: true then too, and the
// caller's SO_ERROR check tells the two apart.
bool waitFor(SOCKET socket, bool forWriting, std::chrono::milliseconds timeout) {
  const long ms = timeout.count() > 0 ? static_cast<long>(timeout.count()) : 0;
  timeval limit{ms / 1000, (ms % 1000) * 1000};
  fd_set ready;
  fd_set failed;
  FD_ZERO(&ready);
  FD_ZERO(&failed);
  FD_SET(socket, &ready);
  FD_SET(socket, &failed);
  // The first argument is ignored by WinSock.
  return ::select(0, forWriting ? nullptr : &ready, forWriting ? &ready : nullptr, &failed, &limit) > 0;
}

bool setBlocking(SOCKET socket, bool blocking) {
  u_long nonBlocking = blocking ? 0 : 1;
  return ::ioctlsocket(socket, FIONBIO, &nonBlocking) == 0;
}

// Programs the process starts later must not inherit the connection.
void keepFromChildren(SOCKET socket) {
  ::SetHandleInformation(reinterpret_cast<HANDLE>(socket), HANDLE_FLAG_INHERIT, 0);
}

// The local or the peer address of a socket, as getsockname or getpeername gives it.
std::optional<Endpoint> endpointOf(SOCKET socket, int (WSAAPI* query)(SOCKET, sockaddr*, int*)) {
  sockaddr_in address{};
  int length = sizeof address;
  char text[INET_ADDRSTRLEN] = {};
  if (query(socket, reinterpret_cast<sockaddr*>(&address), &length) != 0 || address.sin_family != AF_INET ||
      ::inet_ntop(AF_INET, &address.sin_addr, text, sizeof text) == nullptr)
    return std::nullopt;
  return Endpoint{text, ntohs(address.sin_port)};
}

int chunk(std::size_t size) { return size > INT_MAX ? INT_MAX : static_cast<int>(size); }

}  // namespace

bool Socket::create() {
  close();
  // Overlapped as socket() makes it: WinSock honours the receive and send
  // time-outs only on such sockets.
  const SOCKET socket = ::WSASocketW(AF_INET, SOCK_STREAM, IPPROTO_TCP, nullptr, 0,
                                     WSA_FLAG_OVERLAPPED | WSA_FLAG_NO_HANDLE_INHERIT);
  if (socket == INVALID_SOCKET) return false;
  handle_ = static_cast<std::intptr_t>(socket);
  return true;
}

void Socket::close() {
  if (handle_ != kNoHandle) ::closesocket(asSocket(std::exchange(handle_, kNoHandle)));
}

bool Socket::connect(const std::string& host, uint16_t port, std::chrono::milliseconds timeout) {
  sockaddr_in target{};
  target.sin_family = AF_INET;
  target.sin_port = htons(port);
  if (!isOpen() || !resolveHost(host, target.sin_addr)) return false;
  const SOCKET socket = asSocket(handle_);
  // Connect without blocking so that an unanswered attempt ends at the time-out.
  if (!setBlocking(socket, false)) return false;
  if (::connect(socket, reinterpret_cast<const sockaddr*>(&target), sizeof target) != 0) {
    if (::WSAGetLastError() != WSAEWOULDBLOCK || !waitFor(socket, true, timeout)) return false;
    int error = 0;
    int length = sizeof error;
    if (::getsockopt(socket, SOL_SOCKET, SO_ERROR, reinterpret_cast<char*>(&error), &length) != 0 || error != 0)
      return false;
  }
  return setBlocking(socket, true);
}

bool Socket::listen(const std::string& address, int backlog) {
  sockaddr_in local{};
  local.sin_family = AF_INET;
  local.sin_port = 0;
  if (!isOpen() || ::inet_pton(AF_INET, address.c_str(), &local.sin_addr) != 1) return false;
  const SOCKET socket = asSocket(handle_);
  return ::bind(socket, reinterpret_cast<const sockaddr*>(&local), sizeof local) == 0 &&
         ::listen(socket, backlog) == 0;
}

std::optional<Socket> Socket::accept(std::chrono::milliseconds timeout) {
  if (!isOpen() || !waitFor(asSocket(handle_), false, timeout)) return std::nullopt;
  const SOCKET accepted = ::accept(asSocket(handle_), nullptr, nullptr);
  if (accepted == INVALID_SOCKET) return std::nullopt;
  keepFromChildren(accepted);
  return Socket(static_cast<std::intptr_t>(accepted));
}

bool Socket::setIoTimeout(std::chrono::milliseconds timeout) {
  // WinSock takes milliseconds; zero would mean "wait forever".
  const DWORD ms = timeout.count() > 0 ? static_cast<DWORD>(timeout.count()) : 1;
  const char* value = reinterpret_cast<const char*>(&ms);
  const SOCKET socket = asSocket(handle_);
  return isOpen() && ::setsockopt(socket, SOL_SOCKET, SO_RCVTIMEO, value, sizeof ms) == 0 &&
         ::setsockopt(socket, SOL_SOCKET, SO_SNDTIMEO, value, sizeof ms) == 0;
}

std::optional<Endpoint> Socket::localEndpoint() const {
  return isOpen() ? endpointOf(asSocket(handle_), ::getsockname) : std::nullopt;
}

std::optional<Endpoint> Socket::peerEndpoint() const {
  return isOpen() ? endpointOf(asSocket(handle_), ::getpeername) : std::nullopt;
}

std::ptrdiff_t Socket::receive(char* buffer, std::size_t size) {
  if (!isOpen()) return -1;
  const int got = ::recv(asSocket(handle_), buffer, chunk(size), 0);
  return got == SOCKET_ERROR ? -1 : got;  // includes the time-out (WSAETIMEDOUT)
}

bool Socket::sendAll(const char* data, std::size_t size) {
  if (!isOpen()) return false;
  while (size > 0) {
    const int sent = ::send(asSocket(handle_), data, chunk(size), 0);
    if (sent <= 0) return false;
    data += sent;
    size -= static_cast<std::size_t>(sent);
  }
  return true;
}

}  // namespace ostrel::net
