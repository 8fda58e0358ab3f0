#include "link/hid/UdevMonitor.h"

#include <libudev.h>
#include <poll.h>
#include <sys/eventfd.h>
#include <unistd.h>

#include <cerrno>

namespace ostrel {

UdevMonitor::~UdevMonitor() { stop(); }

bool UdevMonitor::start(Callback callback) {
  stop();
  callback_ = std::move(callback);
  udev_ = udev_new();
  if (udev_) monitor_ = udev_monitor_new_from_netlink(udev_, "udev");
  wake_ = eventfd(0, EFD_CLOEXEC | EFD_NONBLOCK);
  const bool ready = monitor_ && wake_ >= 0 &&
                     udev_monitor_filter_add_match_subsystem_devtype(monitor_, "hidraw", nullptr) >= 0 &&
                     udev_monitor_filter_add_match_subsystem_devtype(monitor_, "usb", "usb_device") >= 0 &&
                     udev_monitor_enable_receiving(monitor_) >= 0;
  if (!ready) {
    release();
    return false;
  }
  thread_ = std::thread([this] { run(); });
  return true;
}

void UdevMonitor::stop() {
  if (thread_.joinable()) {
    const uint64_t one = 1;
    [[maybe_unused]] const ssize_t ignored = ::write(wake_, &one, sizeof one);
    thread_.join();
  }
  release();
}

void UdevMonitor::release() {
  if (monitor_) udev_monitor_unref(monitor_);
  if (udev_) udev_unref(udev_);
  if (wake_ >= 0) ::close(wake_);
  monitor_ = nullptr;
  udev_ = nullptr;
  wake_ = -1;
}

void UdevMonitor::run() {
  pollfd fds[2] = {{udev_monitor_get_fd(monitor_), POLLIN, 0}, {wake_, POLLIN, 0}};
  for (;;) {
    if (poll(fds, 2, -1) < 0) {
      if (errno == EINTR) continue;
      return;
    }
    if (fds[1].revents != 0) return;
    if (fds[0].revents & (POLLERR | POLLHUP | POLLNVAL)) return;
    if (!(fds[0].revents & POLLIN)) continue;
    udev_device* device = udev_monitor_receive_device(monitor_);
    if (!device) continue;
    const char* action = udev_device_get_action(device);
    if (action) callback_(device, action);
    udev_device_unref(device);
  }
}

}  // namespace ostrel
