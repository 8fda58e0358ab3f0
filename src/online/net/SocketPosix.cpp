// The socket layer on POSIX systems.

#include "online/net/Socket.h"

#include <arpa/inet.h>
#include <cerrno>
#include <fcntl.h>
#include <netdb.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <sys/time.h>
#include <unistd.h>

#include <utility>

#include "online/net/HostAddress.h"

namespace ostrel::net {
namespace {

using Clock = std::chrono::steady_clock;

// Waits until fd is ready for events or the time-out passes; true when ready.
bool waitFor(int fd, short events, std::chrono::milliseconds timeout) {
  const auto deadline = Clock::now() + timeout;
  for (;;) {
    const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now());
    pollfd entry{fd, events, 0};
    const int ready = ::poll(&entry, 1, left.count() > 0 ? static_cast<int>(left.count()) : 0);
    if (ready > 0) return true;
    if (ready == 0 || errno != EINTR) return false;
  }
}

bool setBlocking(int fd, bool blocking) {
  const int flags = ::fcntl(fd, F_GETFL, 0);
  if (flags < 0) return false;
  return ::fcntl(fd, F_SETFL, blocking ? (flags & ~O_NONBLOCK) : (flags | O_NONBLOCK)) == 0;
}

// The local or the peer address of a socket, as getsockname or getpeername gives it.
std::optional<Endpoint> endpointOf(int fd, int (*query)(int, sockaddr*, socklen_t*)) {
  sockaddr_in address{};
  socklen_t length = sizeof address;
  char text[INET_ADDRSTRLEN] = {};
  if (query(fd, reinterpret_cast<sockaddr*>(&address), &length) != 0 || address.sin_family != AF_INET ||
      ::inet_ntop(AF_INET, &address.sin_addr, text, sizeof text) == nullptr)
    return std::nullopt;
  return Endpoint{text, ntohs(address.sin_port)};
}

}  // namespace

bool Socket::create() {
  close();
  handle_ = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, IPPROTO_TCP);
  return handle_ >= 0;
}

void Socket::close() {
  if (handle_ != kNoHandle) ::close(static_cast<int>(std::exchange(handle_, kNoHandle)));
}

bool Socket::connect(const std::string& host, uint16_t port, std::chrono::milliseconds timeout) {
  sockaddr_in target{};
  target.sin_family = AF_INET;
  target.sin_port = htons(port);
  if (!isOpen() || !resolveHost(host, target.sin_addr)) return false;
  const int fd = static_cast<int>(handle_);
  // Connect without blocking so that an unanswered attempt ends at the time-out.
  if (!setBlocking(fd, false)) return false;
  if (::connect(fd, reinterpret_cast<const sockaddr*>(&target), sizeof target) != 0) {
    if (errno != EINPROGRESS || !waitFor(fd, POLLOUT, timeout)) return false;
    int error = 0;
    socklen_t length = sizeof error;
    if (::getsockopt(fd, SOL_SOCKET, SO_ERROR, &error, &length) != 0 || error != 0) return false;
  }
  return setBlocking(fd, true);
}

bool Socket::listen(const std::string& address, int backlog) {
  sockaddr_in local{};
  local.sin_family = AF_INET;
  local.sin_port = 0;
  if (!isOpen() || ::inet_pton(AF_INET, address.c_str(), &local.sin_addr) != 1) return false;
  const int fd = static_cast<int>(handle_);
  return ::bind(fd, reinterpret_cast<const sockaddr*>(&local), sizeof local) == 0 &&
         ::listen(fd, backlog) == 0;
}

std::optional<Socket> Socket::accept(std::chrono::milliseconds timeout) {
  if (!isOpen() || !waitFor(static_cast<int>(handle_), POLLIN, timeout)) return std::nullopt;
  const int fd = ::accept4(static_cast<int>(handle_), nullptr, nullptr, SOCK_CLOEXEC);
  if (fd < 0) return std::nullopt;
  return Socket(fd);
}

bool Socket::setIoTimeout(std::chrono::milliseconds timeout) {
  // A zero time-out would mean "wait forever" to the system.
  const long ms = timeout.count() > 0 ? static_cast<long>(timeout.count()) : 1;
  timeval limit{};
  limit.tv_sec = ms / 1000;
  limit.tv_usec = (ms % 1000) * 1000;
  const int fd = static_cast<int>(handle_);
  return isOpen() && ::setsockopt(fd, SOL_SOCKET, SO_RCVTIMEO, &limit, sizeof limit) == 0 &&
         ::setsockopt(fd, SOL_SOCKET, SO_SNDTIMEO, &limit, sizeof limit) == 0;
}

std::optional<Endpoint> Socket::localEndpoint() const {
  return isOpen() ? endpointOf(static_cast<int>(handle_), ::getsockname) : std::nullopt;
}

std::optional<Endpoint> Socket::peerEndpoint() const {
  return isOpen() ? endpointOf(static_cast<int>(handle_), ::getpeername) : std::nullopt;
}

std::ptrdiff_t Socket::receive(char* buffer, std::size_t size) {
  if (!isOpen()) return -1;
  for (;;) {
    const ssize_t got = ::recv(static_cast<int>(handle_), buffer, size, 0);
    if (got >= 0) return got;
    if (errno != EINTR) return -1;  // includes the time-out (EAGAIN)
  }
}

bool Socket::sendAll(const char* data, std::size_t size) {
  if (!isOpen()) return false;
  while (size > 0) {
    // MSG_NOSIGNAL: a peer that hung up must give an error, not end the process.
    const ssize_t sent = ::send(static_cast<int>(handle_), data, size, MSG_NOSIGNAL);
    if (sent < 0 && errno == EINTR) continue;
    if (sent <= 0) return false;
    data += sent;
    size -= static_cast<std::size_t>(sent);
  }
  return true;
}

}  // namespace ostrel::net
