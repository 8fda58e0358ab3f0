#pragma once
// A thread that receives udev's device events for hidraw nodes and USB
// devices and hands each to a callback. An eventfd wakes it for shutdown.

#include <functional>
#include <thread>

struct udev;
struct udev_device;
struct udev_monitor;

namespace ostrel {

class UdevMonitor {
 public:
  using Callback = std::function<void(udev_device* device, const char* action)>;

  UdevMonitor() = default;
  ~UdevMonitor();
  UdevMonitor(const UdevMonitor&) = delete;
  UdevMonitor& operator=(const UdevMonitor&) = delete;

  // False when udev could not be reached; then no event will come.
  bool start(Callback callback);
  // Ends the thread; idempotent.
  void stop();

 private:
  void run();
  void release();

  Callback callback_;
  udev* udev_ = nullptr;
  udev_monitor* monitor_ = nullptr;
  int wake_ = -1;
  std::thread thread_;
};

}  // namespace ostrel
