#include "FuzzLibrary.h"

#include <cstdlib>
#include <fstream>
#include <iterator>
#include <random>

namespace ostrel::fuzz {

namespace fs = std::filesystem;

namespace {
fs::path makeFolder() {
  std::random_device random;
  for (int attempt = 0; attempt < 100; ++attempt) {
    const fs::path candidate = fs::temp_directory_path() / ("ostrel-fuzz-" + std::to_string(random()));
    if (fs::create_directory(candidate)) return candidate;
  }
  std::abort();
}
}  // namespace

FuzzLibrary::FuzzLibrary() : dir_(makeFolder()) {
  library_.basePath = dir_.string() + "/";
  if (!library_.ensureFolders()) std::abort();
}

FuzzLibrary::~FuzzLibrary() {
  std::error_code ignored;
  fs::remove_all(dir_, ignored);
}

fs::path FuzzLibrary::at(const std::string& relative) const { return dir_ / relative; }

void FuzzLibrary::write(const std::string& relative, std::string_view bytes) const {
  std::ofstream out(at(relative), std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  if (!out) std::abort();  // the target's own folder must take its input
}

std::string FuzzLibrary::read(const std::string& relative) const {
  std::ifstream in(at(relative), std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// The folders stay: making them again (with their write probes) would cost
// more than most inputs.
void FuzzLibrary::clear() {
  for (const auto& folder : fs::directory_iterator(dir_)) {
    for (const auto& entry : fs::directory_iterator(folder.path())) fs::remove_all(entry.path());
  }
}

FuzzLibrary& fuzzLibrary() {
  static FuzzLibrary instance;
  return instance;
}

}  // namespace ostrel::fuzz
