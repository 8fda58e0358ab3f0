#include "online/net/BufferedWriter.h"

#include <algorithm>

namespace ostrel::net {

bool BufferedWriter::write(std::string_view text) {
  while (!text.empty()) {
    if (used_ == buffer_.size() && !flush()) return false;
    const std::size_t take = std::min(text.size(), buffer_.size() - used_);
    std::copy_n(text.data(), take, buffer_.data() + used_);
    used_ += take;
    text.remove_prefix(take);
  }
  return true;
}

bool BufferedWriter::flush() {
  const bool sent = socket_.sendAll(buffer_.data(), used_);
  used_ = 0;
  return sent;
}

}  // namespace ostrel::net
