#include "library/FileSync.h"

#include <fcntl.h>
#include <unistd.h>

namespace ostrel {

namespace {

bool syncPath(const std::filesystem::path& path, int flags) {
  const int fd = ::open(path.c_str(), flags | O_CLOEXEC);
  if (fd < 0) return false;
  const bool synced = ::fsync(fd) == 0;
  ::close(fd);
  return synced;
}

}  // namespace

bool syncFile(const std::filesystem::path& file) { return syncPath(file, O_RDONLY); }

void syncFolder(const std::filesystem::path& folder) {
  // A folder that cannot be opened this way (or synced) still holds the
  // renamed file; only its durability after a power loss is less certain.
  syncPath(folder.empty() ? std::filesystem::path(".") : folder, O_RDONLY | O_DIRECTORY);
}

}  // namespace ostrel
