#include "dfu/windows/WinUsbDevice.h"

namespace ostrel {
namespace {

constexpr ULONG kControlTimeoutMs = 5000;
constexpr uint8_t kStandardDeviceIn = 0x80;
constexpr uint8_t kGetDescriptor = 6;
constexpr DWORD kNoSuchDevice = 433;  // ERROR_NO_SUCH_DEVICE, missing from these headers

}  // namespace

std::shared_ptr<WinUsbDevice::Handle> WinUsbDevice::Handle::open(const std::string& path) {
  HANDLE file = CreateFileA(path.c_str(), GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                            OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL | FILE_FLAG_OVERLAPPED, nullptr);
  if (file == INVALID_HANDLE_VALUE) return nullptr;
  WINUSB_INTERFACE_HANDLE first = nullptr;
  if (!WinUsb_Initialize(file, &first)) {
    CloseHandle(file);
    return nullptr;
  }
  ULONG timeout = kControlTimeoutMs;
  WinUsb_SetPipePolicy(first, 0, PIPE_TRANSFER_TIMEOUT, sizeof timeout, &timeout);
  return std::shared_ptr<Handle>(new Handle(file, first));
}

WinUsbDevice::Handle::~Handle() {
  for (const auto& [number, handle] : associated_) WinUsb_Free(handle);
  WinUsb_Free(first_);
  CloseHandle(file_);
}

WINUSB_INTERFACE_HANDLE WinUsbDevice::Handle::interfaceHandle(uint8_t number) {
  if (number == 0) return first_;
  std::lock_guard lock(mutex_);
  auto found = associated_.find(number);
  if (found != associated_.end()) return found->second;
  // Associated interfaces are counted from the one after the first.
  WINUSB_INTERFACE_HANDLE handle = nullptr;
  if (!WinUsb_GetAssociatedInterface(first_, static_cast<UCHAR>(number - 1), &handle)) return nullptr;
  associated_[number] = handle;
  return handle;
}

UsbStatus WinUsbDevice::statusOf(DWORD error) {
  switch (error) {
    case ERROR_GEN_FAILURE: return UsbStatus::stall;  // how WinUSB reports a stalled request
    case ERROR_SEM_TIMEOUT: return UsbStatus::timeout;
    case ERROR_DEVICE_NOT_CONNECTED:
    case kNoSuchDevice:
    case ERROR_FILE_NOT_FOUND:
    case ERROR_BAD_COMMAND: return UsbStatus::noDevice;
    default: return UsbStatus::error;
  }
}

UsbStatus WinUsbDevice::control(const UsbSetup& setup, uint8_t* data, size_t& transferred) {
  ULONG moved = 0;
  BOOL done;
  if (setup.requestType == kStandardDeviceIn && setup.request == kGetDescriptor) {
    done = WinUsb_GetDescriptor(handle_->first(), static_cast<UCHAR>(setup.value >> 8),
                                static_cast<UCHAR>(setup.value & 0xFF), setup.index, data, setup.length, &moved);
  } else {
    WINUSB_SETUP_PACKET packet{setup.requestType, setup.request, setup.value, setup.index, setup.length};
    done = WinUsb_ControlTransfer(handle_->first(), packet, data, setup.length, &moved, nullptr);
  }
  transferred = done ? moved : 0;
  return done ? UsbStatus::ok : statusOf(GetLastError());
}

UsbStatus WinUsbDevice::selectInterface(uint8_t interfaceNumber, uint8_t alternate) {
  // WinUSB claims the interface with its handle; only the setting is chosen here.
  WINUSB_INTERFACE_HANDLE handle = handle_->interfaceHandle(interfaceNumber);
  if (!handle) return statusOf(GetLastError());
  return WinUsb_SetCurrentAlternateSetting(handle, alternate) ? UsbStatus::ok : statusOf(GetLastError());
}

}  // namespace ostrel
