#pragma once
// Reads text lines from a socket through a 4096-byte buffer.

#include <array>
#include <cstddef>
#include <functional>
#include <string>
#include <utility>

#include "online/net/Socket.h"

namespace ostrel::net {

class LineReader {
 public:
  // A line longer than this is refused, so a peer cannot fill the memory.
  static constexpr std::size_t kMaxLine = 64 * 1024;

  // Fills a buffer as Socket::receive does: bytes (> 0), 0 at the end, -1 on failure.
  using Receive = std::function<std::ptrdiff_t(char* buffer, std::size_t size)>;

  explicit LineReader(Socket& socket)
      : receive_([&socket](char* buffer, std::size_t size) { return socket.receive(buffer, size); }) {}
  // Lines from any byte source (the fuzz target feeds bytes from memory).
  explicit LineReader(Receive receive) : receive_(std::move(receive)) {}

  // Reads up to a line feed; the terminator, and a carriage return just before
  // it, are not stored. A line cut short by the peer closing is returned as it
  // is. False when nothing could be read (closed, error, time-out) or the line
  // exceeds kMaxLine.
  bool readLine(std::string& line);

 private:
  std::ptrdiff_t refill();

  Receive receive_;
  std::array<char, 4096> buffer_{};
  std::size_t begin_ = 0;
  std::size_t end_ = 0;
};

}  // namespace ostrel::net
