#include "DfuTestSupport.h"

#include <algorithm>
#include <chrono>
#include <fstream>
#include <thread>

namespace ostrel::test {

void ScratchFolder::write(const std::string& relative, const std::vector<uint8_t>& bytes) const {
  const auto file = path() / relative;
  std::filesystem::create_directories(file.parent_path());
  std::ofstream out(file, std::ios::binary);
  out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

std::vector<uint8_t> pattern(size_t size, uint8_t seed) {
  std::vector<uint8_t> bytes(size);
  for (size_t i = 0; i < size; ++i) bytes[i] = static_cast<uint8_t>((i * 7 + (i >> 11) * 13 + seed) & 0xFF);
  return bytes;
}

bool eventually(const std::function<bool()>& done) {
  // A deadline rather than a count of naps: a nap can be shorter than asked
  // (Windows makes a sub-millisecond sleep no sleep at all).
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
  while (std::chrono::steady_clock::now() < deadline) {
    if (done()) return true;
    std::this_thread::sleep_for(std::chrono::microseconds(500));
  }
  return done();
}

bool RecordingView::askYesNo(const std::string& question) {
  questions.push_back(question);
  if (answers.empty()) return true;
  const bool yes = answers.front();
  answers.pop_front();
  return yes;
}

bool RecordingView::shown(const std::string& text) const {
  return std::find(texts.begin(), texts.end(), text) != texts.end();
}

}  // namespace ostrel::test
