#include "link/hid/LinuxHidDevice.h"

#include <poll.h>
#include <sys/eventfd.h>
#include <unistd.h>

#include <cerrno>

namespace ostrel {
namespace {

constexpr short kGoneEvents = POLLHUP | POLLERR | POLLNVAL;

}  // namespace

LinuxHidDevice::LinuxHidDevice(int fd) : fd_(fd), wake_(eventfd(0, EFD_CLOEXEC | EFD_NONBLOCK)) {}

LinuxHidDevice::~LinuxHidDevice() {
  ::close(fd_);
  if (wake_ >= 0) ::close(wake_);
}

int LinuxHidDevice::readReport(uint8_t* buffer, std::size_t size) {
  for (;;) {
    if (closed_) return kClosed;
    pollfd fds[2] = {{fd_, POLLIN, 0}, {wake_, POLLIN, 0}};
    if (poll(fds, 2, -1) < 0) {
      if (errno == EINTR) continue;
      return kGone;
    }
    if (closed_ || fds[1].revents != 0) return kClosed;
    if (fds[0].revents & POLLIN) {
      const ssize_t got = ::read(fd_, buffer, size);
      if (got > 0) return static_cast<int>(got);
      if (got < 0 && (errno == EAGAIN || errno == EINTR)) continue;
      return kGone;
    }
    if (fds[0].revents & kGoneEvents) return kGone;
  }
}

bool LinuxHidDevice::writeReport(const uint8_t* data, std::size_t size,
                                 std::chrono::milliseconds timeout) {
  if (closed_) return false;
  pollfd fds[2] = {{fd_, POLLOUT, 0}, {wake_, POLLIN, 0}};
  int ready;
  do {
    ready = poll(fds, 2, static_cast<int>(timeout.count()));
  } while (ready < 0 && errno == EINTR);
  if (ready <= 0 || closed_ || fds[1].revents != 0) return false;
  if (!(fds[0].revents & POLLOUT) || (fds[0].revents & kGoneEvents)) return false;
  const ssize_t put = ::write(fd_, data, size);
  return put == static_cast<ssize_t>(size);
}

void LinuxHidDevice::close() {
  closed_ = true;
  if (wake_ >= 0) {
    const uint64_t one = 1;
    [[maybe_unused]] const ssize_t ignored = ::write(wake_, &one, sizeof one);
  }
}

}  // namespace ostrel
