#include "app/instance/LockFileInstanceLock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <utility>

#include "app/instance/UserRuntimeFolder.h"

namespace ostrel {

LockFileInstanceLock::LockFileInstanceLock(std::string name, std::filesystem::path folder)
    : name_(std::move(name)), folder_(std::move(folder)) {}

LockFileInstanceLock::~LockFileInstanceLock() {
  // Closing drops the lock. The file stays: removing it would let a starting
  // copy lock a file that is already gone while the next one creates a new one.
  if (fd_ >= 0) ::close(fd_);
}

InstanceLockResult LockFileInstanceLock::acquire() {
  if (fd_ >= 0) return InstanceLockResult::Acquired;
  problem_.clear();
  if (folder_.empty()) {
    auto folder = userRuntimeFolder(std::getenv("XDG_RUNTIME_DIR"), "/tmp", problem_);
    if (!folder) return InstanceLockResult::Unavailable;
    folder_ = *folder;
  }
  const std::filesystem::path file = folder_ / (name_ + ".lock");
  // Never through a link: in a shared folder it could point anywhere.
  const int fd = ::open(file.c_str(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0600);
  if (fd < 0) return fail("Cannot open the instance lock " + file.string(), errno);
  if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
    const int error = errno;
    ::close(fd);
    if (error == EWOULDBLOCK) return InstanceLockResult::AlreadyRunning;
    return fail("Cannot lock " + file.string(), error);
  }
  fd_ = fd;
  return InstanceLockResult::Acquired;
}

InstanceLockResult LockFileInstanceLock::fail(const std::string& what, int error) {
  problem_ = what + ": " + std::strerror(error);
  return InstanceLockResult::Unavailable;
}

std::unique_ptr<InstanceLock> createInstanceLock(const std::string& name,
                                                 const std::filesystem::path& folder) {
  return std::make_unique<LockFileInstanceLock>(name, folder);
}

}  // namespace ostrel
