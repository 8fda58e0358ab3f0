#include "TempDir.h"

#include <fstream>
#include <iterator>
#include <random>
#include <stdexcept>

namespace ostrel::test {

TempDir::TempDir() {
  std::random_device random;
  const auto base = std::filesystem::temp_directory_path();
  for (int attempt = 0; attempt < 100; ++attempt) {
    auto candidate = base / ("ostrel-online-" + std::to_string(random()));
    if (std::filesystem::create_directory(candidate)) {
      path_ = candidate;
      return;
    }
  }
  throw std::runtime_error("no temporary folder");
}

TempDir::~TempDir() {
  std::error_code ignored;
  std::filesystem::remove_all(path_, ignored);
}

void writeFile(const std::filesystem::path& path, const std::string& content) {
  std::filesystem::create_directories(path.parent_path());
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out << content;
}

std::string readFile(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::string patternBytes(std::size_t size) {
  std::string bytes(size, '\0');
  std::minstd_rand generator(static_cast<unsigned>(size) + 1);
  for (char& byte : bytes) byte = static_cast<char>(generator() & 0xff);
  return bytes;
}

}  // namespace ostrel::test
