#pragma once
// Writes to a socket through a 4096-byte buffer.

#include <array>
#include <cstddef>
#include <string_view>

#include "online/net/Socket.h"

namespace ostrel::net {

class BufferedWriter {
 public:
  explicit BufferedWriter(Socket& socket) : socket_(socket) {}

  // Buffers text, sending whenever the buffer fills; false on a send failure.
  bool write(std::string_view text);
  // Sends what is buffered; false on a send failure.
  bool flush();

 private:
  Socket& socket_;
  std::array<char, 4096> buffer_{};
  std::size_t used_ = 0;
};

}  // namespace ostrel::net
