#include "link/hid/SimulatedPadDevice.h"

#include <algorithm>

namespace ostrel {

void SimulatedChannel::deliver(const Report& report, Clock::time_point readyAt) {
  {
    std::lock_guard lock(mutex);
    if (gone || closed) return;
    queue.emplace_back(readyAt, report);
  }
  changed.notify_all();
}

void SimulatedChannel::disconnect() {
  {
    std::lock_guard lock(mutex);
    gone = true;
    queue.clear();
  }
  changed.notify_all();
}

SimulatedPadDevice::SimulatedPadDevice(std::shared_ptr<SimulatedChannel> channel, WriteSink writeSink)
    : channel_(std::move(channel)), writeSink_(std::move(writeSink)) {}

SimulatedPadDevice::~SimulatedPadDevice() { close(); }

int SimulatedPadDevice::readReport(uint8_t* buffer, std::size_t size) {
  SimulatedChannel& channel = *channel_;
  std::unique_lock lock(channel.mutex);
  for (;;) {
    if (channel.closed) return kClosed;
    if (channel.gone) return kGone;
    if (channel.queue.empty()) {
      channel.changed.wait(lock);
      continue;
    }
    const auto readyAt = channel.queue.front().first;
    if (SimulatedChannel::Clock::now() < readyAt) {
      channel.changed.wait_until(lock, readyAt);
      continue;
    }
    const Report report = channel.queue.front().second;
    channel.queue.pop_front();
    const std::size_t length = std::min(size, report.size());
    std::copy_n(report.begin(), length, buffer);
    return static_cast<int>(length);
  }
}

bool SimulatedPadDevice::writeReport(const uint8_t* data, std::size_t size,
                                     std::chrono::milliseconds) {
  {
    std::lock_guard lock(channel_->mutex);
    if (channel_->closed || channel_->gone || size > kReportSize) return false;
  }
  Report report{};
  std::copy_n(data, size, report.begin());
  return writeSink_(report);
}

void SimulatedPadDevice::close() {
  {
    std::lock_guard lock(channel_->mutex);
    channel_->closed = true;
  }
  channel_->changed.notify_all();
}

}  // namespace ostrel
