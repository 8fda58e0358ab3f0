#pragma once
// The single-instance lock as an advisory lock on a file. The kernel drops it
// when the process ends, so a copy that crashed never blocks the next start.

#include <filesystem>
#include <string>

#include "app/instance/InstanceLock.h"

namespace ostrel {

class LockFileInstanceLock : public InstanceLock {
 public:
  // The lock file is folder/<name>.lock; an empty folder means the user's
  // run-time folder, chosen when the lock is first taken.
  LockFileInstanceLock(std::string name, std::filesystem::path folder);
  ~LockFileInstanceLock() override;
  LockFileInstanceLock(const LockFileInstanceLock&) = delete;
  LockFileInstanceLock& operator=(const LockFileInstanceLock&) = delete;

  InstanceLockResult acquire() override;
  const std::string& problem() const override { return problem_; }

 private:
  InstanceLockResult fail(const std::string& what, int error);

  std::string name_;
  std::filesystem::path folder_;
  std::string problem_;
  int fd_ = -1;
};

}  // namespace ostrel
