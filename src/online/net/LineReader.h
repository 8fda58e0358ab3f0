#pragma once
// Reads text lines from a socket through a 4096-byte buffer.

#include <array>
#include <cstddef>
#include <string>

#include "online/net/Socket.h"

namespace ostrel::net {

class LineReader {
 public:
  // A line longer than this is refused, so a peer cannot fill the memory.
  static constexpr std::size_t kMaxLine = 64 * 1024;

  explicit LineReader(Socket& socket) : socket_(socket) {}

  // Reads up to a line feed; the terminator, and a carriage return just before
  // it, are not stored. A line cut short by the peer closing is returned as it
  // is. False when nothing could be read (closed, error, time-out) or the line
  // exceeds kMaxLine.
  bool readLine(std::string& line);

 private:
  std::ptrdiff_t refill();

  Socket& socket_;
  std::array<char, 4096> buffer_{};
  std::size_t begin_ = 0;
  std::size_t end_ = 0;
};

}  // namespace ostrel::net
