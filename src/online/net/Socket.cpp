// The members of the socket that need no system call of their own; the
// platform's source file has the rest.

#include "online/net/Socket.h"

#include <utility>

namespace ostrel::net {

Socket::~Socket() { close(); }

Socket::Socket(Socket&& other) noexcept : handle_(std::exchange(other.handle_, kNoHandle)) {}

Socket& Socket::operator=(Socket&& other) noexcept {
  if (this != &other) {
    close();
    handle_ = std::exchange(other.handle_, kNoHandle);
  }
  return *this;
}

bool Socket::isOpen() const { return handle_ != kNoHandle; }

}  // namespace ostrel::net
