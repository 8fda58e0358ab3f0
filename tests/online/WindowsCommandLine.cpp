#include "WindowsCommandLine.h"

namespace ostrel::test {
namespace {

// One word, quoted, with the backslashes before a quote (or before the
// closing quote) doubled and its quotes escaped.
std::string quoted(const std::string& word) {
  std::string out = "\"";
  std::size_t backslashes = 0;
  for (char c : word) {
    if (c == '\\') {
      ++backslashes;
      continue;
    }
    out.append(c == '"' ? backslashes * 2 + 1 : backslashes, '\\');
    backslashes = 0;
    out += c;
  }
  out.append(backslashes * 2, '\\');
  return out + "\"";
}

}  // namespace

std::string windowsCommandLine(const std::vector<std::string>& words) {
  std::string line;
  for (const auto& word : words) line += (line.empty() ? "" : " ") + quoted(word);
  return line;
}

}  // namespace ostrel::test
