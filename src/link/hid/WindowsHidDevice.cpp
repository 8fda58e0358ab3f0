#include "link/hid/WindowsHidDevice.h"

#include <algorithm>
#include <cstring>

// The HID headers lack C linkage guards of their own.
extern "C" {
#include <hidsdi.h>
}

namespace ostrel {
namespace {

constexpr std::size_t kFallbackLength = 64;

HANDLE openFor(const std::string& path, DWORD access) {
  return CreateFileA(path.c_str(), access, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                     FILE_FLAG_OVERLAPPED | FILE_ATTRIBUTE_NORMAL, nullptr);
}

void closeValid(HANDLE handle) {
  if (handle && handle != INVALID_HANDLE_VALUE) CloseHandle(handle);
}

bool valid(HANDLE handle) { return handle != INVALID_HANDLE_VALUE; }

}  // namespace

std::unique_ptr<WindowsHidDevice> WindowsHidDevice::open(const std::string& path) {
  HANDLE reader = openFor(path, GENERIC_READ);
  HANDLE writer = openFor(path, GENERIC_WRITE);
  if (!valid(reader) && !valid(writer)) return nullptr;
  std::unique_ptr<WindowsHidDevice> device(new WindowsHidDevice(reader, writer));
  if (!device->closing_ || !device->readDone_ || !device->writeDone_) return nullptr;
  return device;
}

WindowsHidDevice::WindowsHidDevice(HANDLE reader, HANDLE writer)
    : reader_(reader),
      writer_(writer),
      closing_(CreateEventA(nullptr, TRUE, FALSE, nullptr)),
      readDone_(CreateEventA(nullptr, TRUE, FALSE, nullptr)),
      writeDone_(CreateEventA(nullptr, TRUE, FALSE, nullptr)) {
  readLengths();
}

WindowsHidDevice::~WindowsHidDevice() {
  closeValid(reader_);
  closeValid(writer_);
  closeValid(closing_);
  closeValid(readDone_);
  closeValid(writeDone_);
}

void WindowsHidDevice::readLengths() {
  HIDP_CAPS caps{};
  PHIDP_PREPARSED_DATA parsed = nullptr;
  HANDLE any = valid(reader_) ? reader_ : writer_;
  bool known = false;
  if (HidD_GetPreparsedData(any, &parsed)) {
    known = HidP_GetCaps(parsed, &caps) == HIDP_STATUS_SUCCESS;
    HidD_FreePreparsedData(parsed);
  }
  // A device that declares no output reports takes none (every write fails).
  input_.resize(known ? caps.InputReportByteLength : kFallbackLength);
  output_.resize(known ? caps.OutputReportByteLength : kFallbackLength);
}

int WindowsHidDevice::readReport(uint8_t* buffer, std::size_t size) {
  for (;;) {
    if (closed_) return kClosed;
    if (!valid(reader_) || input_.empty()) return kGone;
    OVERLAPPED operation{};
    operation.hEvent = readDone_;
    ResetEvent(readDone_);
    DWORD got = 0;
    const bool started =
        ReadFile(reader_, input_.data(), static_cast<DWORD>(input_.size()), nullptr, &operation) ||
        GetLastError() == ERROR_IO_PENDING;
    if (!started || !finish(reader_, operation, INFINITE, got)) return closed_ ? kClosed : kGone;
    if (got == 0) continue;  // nothing to hand on; 0 would read as "closed"
    const std::size_t length = std::min<std::size_t>(got, size);
    std::memcpy(buffer, input_.data(), length);
    return static_cast<int>(length);
  }
}

bool WindowsHidDevice::writeReport(const uint8_t* data, std::size_t size, std::chrono::milliseconds timeout) {
  std::lock_guard lock(writeMutex_);
  if (closed_ || !valid(writer_) || size == 0 || size > output_.size()) return false;
  std::fill(output_.begin(), output_.end(), 0);
  std::memcpy(output_.data(), data, size);
  OVERLAPPED operation{};
  operation.hEvent = writeDone_;
  ResetEvent(writeDone_);
  const bool started = WriteFile(writer_, output_.data(), static_cast<DWORD>(output_.size()), nullptr, &operation) ||
                       GetLastError() == ERROR_IO_PENDING;
  DWORD put = 0;
  const auto ms = static_cast<DWORD>(std::clamp<long long>(timeout.count(), 0, INFINITE - 1));
  return started && finish(writer_, operation, ms, put) && put == output_.size();
}

bool WindowsHidDevice::finish(HANDLE handle, OVERLAPPED& operation, DWORD timeoutMs, DWORD& moved) {
  HANDLE events[2] = {operation.hEvent, closing_};
  if (WaitForMultipleObjects(2, events, FALSE, timeoutMs) != WAIT_OBJECT_0) {
    // Closed or too slow: the operation must end before its buffer and
    // OVERLAPPED record go.
    CancelIoEx(handle, &operation);
    GetOverlappedResult(handle, &operation, &moved, TRUE);
    return false;
  }
  return GetOverlappedResult(handle, &operation, &moved, FALSE) != 0;
}

void WindowsHidDevice::close() {
  closed_ = true;
  SetEvent(closing_);
}

}  // namespace ostrel
