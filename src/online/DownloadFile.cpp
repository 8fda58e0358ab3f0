#include "online/DownloadFile.h"

#include <atomic>
#include <random>
#include <string>
#include <utility>

namespace ostrel {
namespace {

// A name no listing of profile files takes for one (it holds no ".klt"), and
// that two downloads into one folder never share.
std::string temporaryName() {
  static std::atomic<unsigned> counter{0};
  std::random_device random;
  return ".download-" + std::to_string(random()) + "-" + std::to_string(++counter) + ".part";
}

}  // namespace

DownloadFile::DownloadFile(std::filesystem::path destination) : destination_(std::move(destination)) {}

DownloadFile::~DownloadFile() { discard(); }

bool DownloadFile::open() {
  discard();
  temporary_ = destination_.parent_path() / temporaryName();
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
  if (stream_.fail()) return false;
  std::error_code error;
  std::filesystem::rename(temporary_, destination_, error);
  if (error) return false;
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
