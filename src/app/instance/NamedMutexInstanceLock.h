#pragma once
// The single-instance lock as a named mutex of the user's session. Windows
// destroys it when the last handle closes, also when the process dies.

#include <string>

#include "app/instance/InstanceLock.h"

namespace ostrel {

class NamedMutexInstanceLock : public InstanceLock {
 public:
  explicit NamedMutexInstanceLock(std::string name);
  ~NamedMutexInstanceLock() override;
  NamedMutexInstanceLock(const NamedMutexInstanceLock&) = delete;
  NamedMutexInstanceLock& operator=(const NamedMutexInstanceLock&) = delete;

  InstanceLockResult acquire() override;
  const std::string& problem() const override { return problem_; }

 private:
  std::string name_;
  std::string problem_;
  void* mutex_ = nullptr;  // the mutex's HANDLE while this process holds it
};

}  // namespace ostrel
