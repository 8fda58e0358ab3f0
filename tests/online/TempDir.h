#pragma once
// A fresh folder below the system's temporary folder, removed with its
// contents when the object goes.

#include <filesystem>
#include <string>

namespace ostrel::test {

class TempDir {
 public:
  TempDir();
  ~TempDir();
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;

  const std::filesystem::path& path() const { return path_; }

 private:
  std::filesystem::path path_;
};

// Whole-file helpers for the tests.
void writeFile(const std::filesystem::path& path, const std::string& content);
std::string readFile(const std::filesystem::path& path);
// size bytes that differ from block to block, so misplaced blocks show.
std::string patternBytes(std::size_t size);

}  // namespace ostrel::test
