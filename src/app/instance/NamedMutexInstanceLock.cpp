#include "app/instance/NamedMutexInstanceLock.h"

#include <windows.h>

#include <utility>

namespace ostrel {

NamedMutexInstanceLock::NamedMutexInstanceLock(std::string name) : name_(std::move(name)) {}

NamedMutexInstanceLock::~NamedMutexInstanceLock() {
  if (mutex_ == nullptr) return;
  ReleaseMutex(mutex_);  // fails harmlessly on a thread that does not own it
  CloseHandle(mutex_);
}

InstanceLockResult NamedMutexInstanceLock::acquire() {
  if (mutex_ != nullptr) return InstanceLockResult::Acquired;
  problem_.clear();
  HANDLE mutex = CreateMutexA(nullptr, TRUE, name_.c_str());
  const DWORD error = GetLastError();
  if (mutex != nullptr && error == ERROR_ALREADY_EXISTS) {
    CloseHandle(mutex);
    return InstanceLockResult::AlreadyRunning;
  }
  if (mutex == nullptr) {
    // A copy started with other rights (as administrator) made the mutex;
    // it exists, so that copy is running.
    if (error == ERROR_ACCESS_DENIED) return InstanceLockResult::AlreadyRunning;
    problem_ = "Cannot create the mutex " + name_ + ": error " + std::to_string(error);
    return InstanceLockResult::Unavailable;
  }
  mutex_ = mutex;
  return InstanceLockResult::Acquired;
}

std::unique_ptr<InstanceLock> createInstanceLock(const std::string& name,
                                                 const std::filesystem::path& /*folder*/) {
  return std::make_unique<NamedMutexInstanceLock>(name);
}

}  // namespace ostrel
