#include "online/SharedServerSettings.h"

#include <utility>

namespace ostrel {

SharedServerSettings::SharedServerSettings(ServerSettings settings) : shared_(std::make_shared<Shared>()) {
  shared_->settings = std::move(settings);
}

ServerSettings SharedServerSettings::current() const {
  std::lock_guard lock(shared_->mutex);
  return shared_->settings;
}

void SharedServerSettings::set(ServerSettings settings) {
  std::lock_guard lock(shared_->mutex);
  shared_->settings = std::move(settings);
}

}  // namespace ostrel
