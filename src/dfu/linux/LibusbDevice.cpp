#include "dfu/linux/LibusbDevice.h"

namespace ostrel {
namespace {

constexpr unsigned kControlTimeoutMs = 5000;

}  // namespace

UsbStatus LibusbDevice::statusOf(int result) {
  if (result >= 0) return UsbStatus::ok;
  switch (result) {
    case LIBUSB_ERROR_PIPE: return UsbStatus::stall;
    case LIBUSB_ERROR_NO_DEVICE: return UsbStatus::noDevice;
    case LIBUSB_ERROR_TIMEOUT: return UsbStatus::timeout;
    default: return UsbStatus::error;
  }
}

UsbStatus LibusbDevice::control(const UsbSetup& setup, uint8_t* data, size_t& transferred) {
  const int result = libusb_control_transfer(handle_->handle, setup.requestType, setup.request, setup.value, setup.index,
                                             data, setup.length, kControlTimeoutMs);
  transferred = result > 0 ? static_cast<size_t>(result) : 0;
  return statusOf(result);
}

UsbStatus LibusbDevice::selectInterface(uint8_t interfaceNumber, uint8_t alternate) {
  // Claiming again through the same handle is harmless; closing the handle releases it.
  if (const int result = libusb_claim_interface(handle_->handle, interfaceNumber); result < 0) return statusOf(result);
  return statusOf(libusb_set_interface_alt_setting(handle_->handle, interfaceNumber, alternate));
}

}  // namespace ostrel
