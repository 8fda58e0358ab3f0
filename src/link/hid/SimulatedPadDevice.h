#pragma once
// One open interface of the simulated pad. The pad puts its input reports on
// the interface's channel, each with the moment it becomes readable (the
// pad's answer delay); writes go to the pad through writeSink.

#include <condition_variable>
#include <deque>
#include <functional>
#include <memory>
#include <mutex>

#include "link/ReportCodec.h"
#include "link/hid/HidDevice.h"

namespace ostrel {

struct SimulatedChannel {
  using Clock = std::chrono::steady_clock;

  // Queues an input report (pad side).
  void deliver(const Report& report, Clock::time_point readyAt);
  // The pad left the bus: reads return kGone.
  void disconnect();

  std::mutex mutex;
  std::condition_variable changed;
  std::deque<std::pair<Clock::time_point, Report>> queue;
  bool gone = false;
  bool closed = false;  // the host closed its handle
};

class SimulatedPadDevice : public HidDevice {
 public:
  using WriteSink = std::function<bool(const Report& report)>;

  SimulatedPadDevice(std::shared_ptr<SimulatedChannel> channel, WriteSink writeSink);
  ~SimulatedPadDevice() override;

  int readReport(uint8_t* buffer, std::size_t size) override;
  bool writeReport(const uint8_t* data, std::size_t size,
                   std::chrono::milliseconds timeout) override;
  void close() override;

 private:
  std::shared_ptr<SimulatedChannel> channel_;
  WriteSink writeSink_;
};

}  // namespace ostrel
