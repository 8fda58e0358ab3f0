#pragma once
// A temporary folder per test, with the library's data root inside it, so
// that tests can also check that nothing beside the data root is touched.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <memory>
#include <random>
#include <string>

#include "library/ProfileLibrary.h"

namespace ostrel::testing {

namespace fs = std::filesystem;

inline const std::string separator(1, static_cast<char>(fs::path::preferred_separator));

inline fs::path makeTemporaryFolder() {
  std::random_device random;
  for (;;) {
    const fs::path folder =
        fs::temp_directory_path() / ("ostrel-library-" + std::to_string(random()) + std::to_string(random()));
    if (fs::create_directory(folder)) return folder;
  }
}

inline std::string readAll(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

inline void writeAll(const fs::path& path, const std::string& bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out << bytes;
}

// Every file below root with its bytes: a snapshot to compare before and after.
inline std::map<std::string, std::string> snapshot(const fs::path& root) {
  std::map<std::string, std::string> files;
  for (const auto& entry : fs::recursive_directory_iterator(root)) {
    const std::string relative = fs::relative(entry.path(), root).string();
    files[relative] = entry.is_directory() ? std::string("<dir>") : readAll(entry.path());
  }
  return files;
}

class LibraryTest : public ::testing::Test {
 protected:
  void SetUp() override {
    root = makeTemporaryFolder();
    data = root / "app";
    fs::create_directory(data);
    lib = std::make_unique<ProfileLibrary>();
    // The program folder as the platform gives it: on Windows with
    // backslashes throughout and a backslash at the end.
    lib->basePath = data.string() + separator;
  }
  void TearDown() override {
    lib.reset();
    std::error_code ec;
    fs::remove_all(root, ec);
  }

  fs::path file(const std::string& relative) const { return data / relative; }
  std::string read(const std::string& relative) const { return readAll(file(relative)); }
  void write(const std::string& relative, const std::string& bytes) const {
    writeAll(file(relative), bytes);
  }
  bool has(const std::string& relative) const { return fs::exists(file(relative)); }

  fs::path root;
  fs::path data;
  std::unique_ptr<ProfileLibrary> lib;
};

}  // namespace ostrel::testing
