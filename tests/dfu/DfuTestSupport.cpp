#include "DfuTestSupport.h"

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <fstream>
#include <thread>

namespace ostrel::test {

ScratchFolder::ScratchFolder() {
  std::string templ = (std::filesystem::temp_directory_path() / "ostrel-dfu-XXXXXX").string();
  path_ = mkdtemp(templ.data());
}

ScratchFolder::~ScratchFolder() {
  std::error_code ignored;
  std::filesystem::remove_all(path_, ignored);
}

void ScratchFolder::write(const std::string& relative, const std::vector<uint8_t>& bytes) const {
  const auto file = path_ / relative;
  std::filesystem::create_directories(file.parent_path());
  std::ofstream out(file, std::ios::binary);
  out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

std::vector<uint8_t> pattern(size_t size, uint8_t seed) {
  std::vector<uint8_t> bytes(size);
  for (size_t i = 0; i < size; ++i) bytes[i] = static_cast<uint8_t>((i * 7 + (i >> 11) * 13 + seed) & 0xFF);
  return bytes;
}

DfuseFile padFile(std::vector<DfuseElement> elements, uint8_t alternate) {
  DfuseFile file;
  file.vendor = 0x0483;
  file.product = 0xDF11;
  file.version = 0x2200;
  file.images.push_back({alternate, "Internal Flash", std::move(elements)});
  return file;
}

bool eventually(const std::function<bool()>& done) {
  for (int i = 0; i < 20000; ++i) {
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
