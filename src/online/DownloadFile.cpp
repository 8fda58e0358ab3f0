#include "online/DownloadFile.h"

#include <utility>

#include "library/AtomicFile.h"

namespace ostrel {

DownloadFile::DownloadFile(std::filesystem::path destination) : destination_(std::move(destination)) {}

DownloadFile::~DownloadFile() { discard(); }

bool DownloadFile::open() {
  discard();
  temporary_ = AtomicFile::temporaryFor(destination_);
  stream_.open(temporary_, std::ios::binary | std::ios::out | std::ios::trunc);
  if (!stream_.is_open()) temporary_.clear();
  return stream_.is_open();
}

bool DownloadFile::write(const char* data, std::size_t size) {
  stream_.write(data, static_cast<std::streamsize>(size));
  return stream_.good();
}

bool DownloadFile::commit() {
  if (!stream_.is_open()) return false;
  stream_.close();
  if (stream_.fail() || !AtomicFile::replace(temporary_, destination_)) return false;
  temporary_.clear();
  return true;
}

void DownloadFile::discard() {
  if (stream_.is_open()) stream_.close();
  if (!temporary_.empty()) {
    std::error_code ignored;
    std::filesystem::remove(temporary_, ignored);
    temporary_.clear();
  }
}

}  // namespace ostrel
