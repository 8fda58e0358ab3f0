#include "ScriptedHidDevice.h"

#include <algorithm>

namespace ostrel::testing {

int ScriptedHidDevice::readReport(uint8_t* buffer, std::size_t size) {
  std::unique_lock lock(mutex_);
  waiting_ = true;
  changed_.wait(lock, [&] { return closed_ || !answers_.empty(); });
  waiting_ = false;
  if (closed_) return kClosed;
  const Bytes answer = std::move(answers_.front());
  answers_.pop_front();
  // A report longer than the reader's buffer is cut, as the platforms do.
  const std::size_t length = std::min(size, answer.size());
  std::copy_n(answer.begin(), length, buffer);
  return static_cast<int>(length);
}

bool ScriptedHidDevice::writeReport(const uint8_t* data, std::size_t size,
                                    std::chrono::milliseconds) {
  Report command{};
  std::copy_n(data, std::min(size, command.size()), command.begin());
  std::vector<Bytes> answers = script_ ? script_(command) : std::vector<Bytes>{};
  std::lock_guard lock(mutex_);
  if (closed_) return false;
  for (Bytes& answer : answers) {
    if (!answer.empty()) answers_.push_back(std::move(answer));  // empty would read as closed
  }
  changed_.notify_all();
  return true;
}

void ScriptedHidDevice::close() {
  std::lock_guard lock(mutex_);
  closed_ = true;
  changed_.notify_all();
}

bool ScriptedHidDevice::idle() {
  std::lock_guard lock(mutex_);
  return waiting_ && answers_.empty();
}

}  // namespace ostrel::testing
