#pragma once
// How the probe program reports what it found, shared by the probe and the
// tests that read its answer.

#include "app/instance/InstanceLock.h"

namespace ostrel::test {

inline constexpr int kProbeAcquired = 20;
inline constexpr int kProbeAlreadyRunning = 21;
inline constexpr int kProbeUnavailable = 22;
inline constexpr int kProbeUsage = 23;

inline int probeCode(InstanceLockResult result) {
  switch (result) {
    case InstanceLockResult::Acquired: return kProbeAcquired;
    case InstanceLockResult::AlreadyRunning: return kProbeAlreadyRunning;
    case InstanceLockResult::Unavailable: return kProbeUnavailable;
  }
  return kProbeUsage;
}

inline const char* probeWord(InstanceLockResult result) {
  switch (result) {
    case InstanceLockResult::Acquired: return "acquired";
    case InstanceLockResult::AlreadyRunning: return "already running";
    case InstanceLockResult::Unavailable: return "unavailable";
  }
  return "?";
}

}  // namespace ostrel::test
