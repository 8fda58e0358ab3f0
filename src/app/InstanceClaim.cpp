#include "app/InstanceClaim.h"

#include <cstdio>

#include "app/instance/InstanceLock.h"

namespace ostrel {

bool claimInstance(InstanceLock& lock) {
  switch (lock.acquire()) {
    case InstanceLockResult::Acquired: return true;
    case InstanceLockResult::AlreadyRunning: return false;
    case InstanceLockResult::Unavailable: break;
  }
  std::fprintf(stderr, "Cannot check for another running copy: %s\n", lock.problem().c_str());
  return true;
}

}  // namespace ostrel
