#include "online/net/LineReader.h"

#include <algorithm>

namespace ostrel::net {

std::ptrdiff_t LineReader::refill() {
  const std::ptrdiff_t got = receive_(buffer_.data(), buffer_.size());
  begin_ = 0;
  end_ = got > 0 ? static_cast<std::size_t>(got) : 0;
  return got;
}

bool LineReader::readLine(std::string& line) {
  line.clear();
  for (;;) {
    if (begin_ == end_) {
      const std::ptrdiff_t got = refill();
      // The peer closing after part of a line ends that line; an error or a
      // time-out fails it.
      if (got == 0) return !line.empty();
      if (got < 0) return false;
    }
    const char* first = buffer_.data() + begin_;
    const char* last = buffer_.data() + end_;
    const char* feed = std::find(first, last, '\n');
    line.append(first, feed);
    begin_ = static_cast<std::size_t>(feed - buffer_.data());
    if (line.size() > kMaxLine) return false;
    if (feed != last) {
      ++begin_;
      if (!line.empty() && line.back() == '\r') line.pop_back();
      return true;
    }
  }
}

}  // namespace ostrel::net
