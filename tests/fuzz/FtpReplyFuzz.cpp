// libFuzzer target: any bytes as what a server sends on the control
// connection, arriving in pieces of any size and ending in a close or a
// failure. Lines come out as the bytes hold them, and replies (multi-line
// ones included) end where the FTP rules end them; nothing else is taken.

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <string_view>
#include <vector>

#include "online/FtpConnection.h"

namespace {

using Lines = std::vector<std::string>;

void check(bool holds) {
  if (!holds) std::abort();
}

// Byte 0: bits 0..6 the piece size (0 for a whole buffer), bit 7 set when the
// connection fails instead of closing after the last byte.
struct Feed {
  std::string_view bytes;
  std::size_t piece = 0;
  bool fails = false;

  std::ptrdiff_t receive(char* buffer, std::size_t size) {
    if (bytes.empty()) return fails ? -1 : 0;
    const std::size_t count = std::min({size, bytes.size(), piece == 0 ? size : piece});
    std::memcpy(buffer, bytes.data(), count);
    bytes.remove_prefix(count);
    return static_cast<std::ptrdiff_t>(count);
  }
};

void readFrom(ostrel::FtpConnection& connection, Feed& feed) {
  connection.readRepliesFrom(std::make_unique<ostrel::net::LineReader>(
      [&feed](char* buffer, std::size_t size) { return feed.receive(buffer, size); }));
}

// The lines the reader must give: split at LF, one CR before it dropped; an
// unterminated last line counts only when the peer closed.
Lines expectedLines(const Feed& feed) {
  Lines lines;
  std::string_view rest = feed.bytes;
  while (!rest.empty()) {
    const std::size_t feedAt = rest.find('\n');
    if (feedAt == std::string_view::npos) {
      if (!feed.fails) lines.emplace_back(rest);
      break;
    }
    std::string_view line = rest.substr(0, feedAt);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    lines.emplace_back(line);
    rest.remove_prefix(feedAt + 1);
  }
  return lines;
}

long replyCode(const std::string& line) {
  std::size_t at = line.find_first_not_of(" \t\n\v\f\r");
  long code = 0;
  for (; at < line.size() && line[at] >= '0' && line[at] <= '9'; ++at)
    code = std::min(code * 10 + (line[at] - '0'), 1'000'000'000L);
  return code;
}

// The last line of each reply: "ddd-" opens a reply that the line "ddd "
// with the same code closes.
std::vector<std::string> expectedReplies(const Lines& lines) {
  std::vector<std::string> replies;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    if (lines[i].size() < 4 || lines[i][3] != '-') {
      replies.push_back(lines[i]);
      continue;
    }
    const long code = replyCode(lines[i]);
    const std::size_t first = i;
    while (++i < lines.size() && i - first < 10000) {
      if (lines[i].size() >= 4 && lines[i][3] == ' ' && replyCode(lines[i]) == code) break;
    }
    if (i >= lines.size() || i - first >= 10000) break;
    replies.push_back(lines[i]);
  }
  return replies;
}

void checkLines(Feed feed) {
  const Lines expected = expectedLines(feed);
  ostrel::FtpConnection connection;
  readFrom(connection, feed);
  for (const std::string& line : expected) {
    check(connection.readLine() && connection.lastReply() == line);
  }
  check(!connection.readLine() && connection.lastReply() == ostrel::FtpConnection::kNetworkError);
}

void checkReplies(Feed feed) {
  const auto expected = expectedReplies(expectedLines(feed));
  ostrel::FtpConnection connection;
  readFrom(connection, feed);
  for (const std::string& reply : expected) {
    check(connection.readReply() && connection.lastReply() == reply);
    if (!reply.empty()) check(connection.replyClass() == reply[0] - '0');
  }
  check(!connection.readReply() && connection.lastReply() == ostrel::FtpConnection::kNetworkError);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size == 0) return 0;
  Feed feed{{reinterpret_cast<const char*>(data) + 1, size - 1}, data[0] & 0x7Fu,
            (data[0] & 0x80u) != 0};
  checkLines(feed);
  checkReplies(feed);
  return 0;
}
