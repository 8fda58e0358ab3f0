#include "app/instance/UserRuntimeFolder.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace ostrel {

namespace fs = std::filesystem;

namespace {

bool isSessionFolder(const char* runtimeDir) {
  if (runtimeDir == nullptr || runtimeDir[0] != '/') return false;
  std::error_code ec;
  return fs::is_directory(runtimeDir, ec);
}

// True when folder is a real folder of this user that no one else can enter.
bool isPrivateFolder(const fs::path& folder, std::string& problem) {
  struct stat info {};
  if (::lstat(folder.c_str(), &info) != 0) {
    problem = "Cannot use " + folder.string() + ": " + std::strerror(errno);
    return false;
  }
  if (!S_ISDIR(info.st_mode) || info.st_uid != ::geteuid() || (info.st_mode & 077) != 0) {
    problem = "Cannot use " + folder.string() + ": it is not a private folder of this user";
    return false;
  }
  return true;
}

}  // namespace

std::optional<fs::path> userRuntimeFolder(const char* runtimeDir, const fs::path& sharedTemp,
                                          std::string& problem) {
  if (isSessionFolder(runtimeDir)) return fs::path(runtimeDir);
  const fs::path folder = sharedTemp / ("ostrel-controller-" + std::to_string(::geteuid()));
  if (::mkdir(folder.c_str(), 0700) != 0 && errno != EEXIST) {
    problem = "Cannot create " + folder.string() + ": " + std::strerror(errno);
    return std::nullopt;
  }
  if (!isPrivateFolder(folder, problem)) return std::nullopt;
  return folder;
}

}  // namespace ostrel
