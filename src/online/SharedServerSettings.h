#pragma once
// The maker's server settings as the screens hold them: copies share one
// value, read when a server dialogue starts, so settings that become known
// after the screens exist (a local server that came up later) reach the next
// dialogue. Any thread.

#include <memory>
#include <mutex>

#include "online/ServerSettings.h"

namespace ostrel {

class SharedServerSettings {
 public:
  // Implicit: a plain value is a shared value nobody changes.
  SharedServerSettings(ServerSettings settings = ServerSettings::builtIn());  // NOLINT

  ServerSettings current() const;
  void set(ServerSettings settings);

 private:
  struct Shared {
    std::mutex mutex;
    ServerSettings settings;
  };
  std::shared_ptr<Shared> shared_;
};

}  // namespace ostrel
