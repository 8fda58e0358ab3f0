#pragma once
// The local side of a retrieve: bytes go to a temporary file beside the
// destination, which replaces the destination only when the transfer is
// confirmed complete, and only once its bytes are on the disk (the library's
// crash-safe replace, whose leftovers start-up removes). An abandoned
// download removes its temporary file and leaves the old destination as it was.

#include <cstddef>
#include <filesystem>
#include <fstream>

namespace ostrel {

class DownloadFile {
 public:
  explicit DownloadFile(std::filesystem::path destination);
  ~DownloadFile();
  DownloadFile(const DownloadFile&) = delete;
  DownloadFile& operator=(const DownloadFile&) = delete;

  // Creates the temporary file; false when the folder cannot take it.
  bool open();
  bool write(const char* data, std::size_t size);
  // Closes the temporary file and renames it over the destination.
  bool commit();

 private:
  void discard();

  std::filesystem::path destination_;
  std::filesystem::path temporary_;
  std::ofstream stream_;
};

}  // namespace ostrel
