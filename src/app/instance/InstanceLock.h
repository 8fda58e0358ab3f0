#pragma once
// The single-instance marker: a per-user named lock that only one running copy
// of the program holds. The holder keeps it until the object is destroyed or
// the process ends, however it ends. Each platform has one implementation,
// chosen by the build through createInstanceLock().

#include <filesystem>
#include <memory>
#include <string>

namespace ostrel {

// The name the program's own lock has.
inline constexpr const char* kInstanceLockName = "Ostrel_Controller";

enum class InstanceLockResult {
  Acquired,        // this process holds the lock: it is the one running copy
  AlreadyRunning,  // another copy holds it
  Unavailable,     // the lock could not be made; problem() says why
};

class InstanceLock {
 public:
  virtual ~InstanceLock() = default;
  // Takes the lock if it is free; never waits. Once acquired, further calls
  // answer Acquired again.
  virtual InstanceLockResult acquire() = 0;
  // What went wrong with the last Unavailable; empty otherwise.
  virtual const std::string& problem() const = 0;
};

// folder: where the lock file lives on platforms whose lock is a file; empty
// for the user's own run-time folder. A named mutex (Windows) has no folder
// and ignores it.
std::unique_ptr<InstanceLock> createInstanceLock(const std::string& name,
                                                 const std::filesystem::path& folder = {});

}  // namespace ostrel
