#pragma once
// A TCP socket over IPv4, closed when destroyed. The FTP client needs only
// this much of the platform; each platform implements it in its own source
// file, which the build picks.
//
// Every wait is bounded: connect and accept take a time-out, and receive and
// send give up after the socket's I/O time-out, so no peer can hold a caller
// forever.

#include <chrono>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

namespace ostrel::net {

// An IPv4 address in dotted form and a port.
struct Endpoint {
  std::string address;
  uint16_t port = 0;
};

class Socket {
 public:
  Socket() = default;
  ~Socket();
  Socket(Socket&& other) noexcept;
  Socket& operator=(Socket&& other) noexcept;
  Socket(const Socket&) = delete;
  Socket& operator=(const Socket&) = delete;

  // Makes a new TCP stream socket; false when the system refuses one.
  bool create();
  bool isOpen() const;
  void close();

  // Connects to host (dotted address, else resolved by name) within timeout.
  bool connect(const std::string& host, uint16_t port, std::chrono::milliseconds timeout);

  // Binds to the given local dotted address ("0.0.0.0" for any) on a port the
  // system picks, and listens.
  bool listen(const std::string& address, int backlog);

  // Waits up to timeout for one incoming connection; an absent socket when
  // none came or the accept failed.
  std::optional<Socket> accept(std::chrono::milliseconds timeout);

  // Bounds every later receive and send.
  bool setIoTimeout(std::chrono::milliseconds timeout);

  std::optional<Endpoint> localEndpoint() const;
  std::optional<Endpoint> peerEndpoint() const;

  // Bytes received (> 0), 0 when the peer closed, -1 on error or time-out.
  std::ptrdiff_t receive(char* buffer, std::size_t size);

  // Sends all of data; false on error or time-out.
  bool sendAll(const char* data, std::size_t size);

 private:
  explicit Socket(std::intptr_t handle) : handle_(handle) {}

  static constexpr std::intptr_t kNoHandle = -1;
  std::intptr_t handle_ = kNoHandle;
};

}  // namespace ostrel::net
