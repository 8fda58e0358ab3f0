#include "dfu/DfuDevice.h"

#include "dfu/DfuCodes.h"
#include "dfu/DfuRequests.h"

namespace ostrel {

uint32_t DfuDevice::open(const std::string& path, DfuHandle& device) {
  device = 0;
  auto usb = transport_.open(path);
  if (!usb) return kDfuUnexpected;
  auto open = std::make_unique<OpenDevice>();
  open->usb = std::move(usb);
  open->configRead = UsbDescriptors::readConfiguration(*open->usb, open->config) == UsbStatus::ok;
  if (open->configRead) open->interfaceNumber = open->config.interfaces.front().number;
  device = devices_.add(std::move(open));
  return kDfuSuccess;
}

uint32_t DfuDevice::close(DfuHandle device) {
  return devices_.take(device) ? kDfuSuccess : kDfuBadParameter;
}

DfuDevice::OpenDevice* DfuDevice::configured(DfuHandle device) {
  OpenDevice* open = devices_.find(device);
  if (open && !open->configRead) {
    open->configRead = UsbDescriptors::readConfiguration(*open->usb, open->config) == UsbStatus::ok;
    if (open->configRead) open->interfaceNumber = open->config.interfaces.front().number;
  }
  return open;
}

uint32_t DfuDevice::getDeviceDescriptor(DfuHandle device, std::array<uint8_t, 18>& descriptor) {
  OpenDevice* open = devices_.find(device);
  if (!open) return kDfuBadParameter;
  return DfuRequests::code(UsbDescriptors::readDevice(*open->usb, descriptor));
}

uint32_t DfuDevice::getDfuDescriptor(DfuHandle device, uint32_t& interfaceNumber, uint32_t& interfaceProtocol,
                                       std::array<uint8_t, 9>& descriptor) {
  OpenDevice* open = configured(device);
  if (!open) return kDfuBadParameter;
  if (!open->configRead || !open->config.hasFunctional) return kDfuError;
  interfaceNumber = open->interfaceNumber;
  interfaceProtocol = open->config.interfaces.front().protocol;
  descriptor = open->config.functional;
  return kDfuSuccess;
}

uint32_t DfuDevice::getDfuInterfaces(DfuHandle device, std::vector<DfuInterface>& interfaces) {
  OpenDevice* open = configured(device);
  if (!open) return kDfuBadParameter;
  if (!open->configRead) return kDfuError;
  interfaces = open->config.interfaces;
  return kDfuSuccess;
}

uint32_t DfuDevice::getStringDescriptor(DfuHandle device, uint32_t index, std::string& text) {
  OpenDevice* open = devices_.find(device);
  if (!open || index > 0xFF) return kDfuBadParameter;
  return DfuRequests::code(UsbDescriptors::readString(*open->usb, static_cast<uint8_t>(index), text));
}

uint32_t DfuDevice::selectCurrentConfiguration(DfuHandle device, uint32_t configuration, uint32_t interfaceIndex,
                                                 uint32_t alternate) {
  OpenDevice* open = configured(device);
  if (!open || configuration != 0 || alternate > 0xFF) return kDfuBadParameter;
  if (!open->configRead) return kDfuError;
  std::vector<uint8_t> numbers;
  for (const DfuInterface& i : open->config.interfaces)
    if (numbers.empty() || numbers.back() != i.number) numbers.push_back(i.number);
  if (interfaceIndex >= numbers.size()) return kDfuBadParameter;
  open->interfaceNumber = numbers[interfaceIndex];
  return DfuRequests::code(open->usb->selectInterface(numbers[interfaceIndex], static_cast<uint8_t>(alternate)));
}

uint32_t DfuDevice::getStatus(DfuHandle device, std::array<uint8_t, 6>& status) {
  OpenDevice* open = devices_.find(device);
  if (!open) return kDfuBadParameter;
  return DfuRequests::code(DfuRequests(*open->usb, open->interfaceNumber).getStatus(status));
}

uint32_t DfuDevice::clearStatus(DfuHandle device) {
  OpenDevice* open = devices_.find(device);
  if (!open) return kDfuBadParameter;
  return DfuRequests::code(DfuRequests(*open->usb, open->interfaceNumber).clearStatus());
}

uint32_t DfuDevice::abort(DfuHandle device) {
  OpenDevice* open = devices_.find(device);
  if (!open) return kDfuBadParameter;
  return DfuRequests::code(DfuRequests(*open->usb, open->interfaceNumber).abort());
}

uint32_t DfuDevice::download(DfuHandle device, const uint8_t* data, uint32_t length, uint16_t block) {
  OpenDevice* open = devices_.find(device);
  if (!open || length > 0xFFFF || (length && !data)) return kDfuBadParameter;
  return DfuRequests::code(
      DfuRequests(*open->usb, open->interfaceNumber).dnload(block, data, static_cast<uint16_t>(length)));
}

uint32_t DfuDevice::upload(DfuHandle device, uint8_t* data, uint32_t length, uint16_t block) {
  OpenDevice* open = devices_.find(device);
  if (!open || length > 0xFFFF || (length && !data)) return kDfuBadParameter;
  size_t received = 0;
  const UsbStatus status =
      DfuRequests(*open->usb, open->interfaceNumber).upload(block, data, static_cast<uint16_t>(length), received);
  if (status == UsbStatus::ok && received != length) return kDfuError;
  return DfuRequests::code(status);
}

}  // namespace ostrel
