#include "dfu/UsbDescriptors.h"

#include <algorithm>

namespace ostrel {
namespace {

constexpr uint8_t kGetDescriptor = 6;
constexpr uint8_t kInterfaceType = 4;
constexpr uint8_t kDfuFunctionalType = 0x21;
constexpr uint16_t kEnglishUs = 0x0409;

}  // namespace

UsbStatus UsbDescriptors::read(UsbDevice& device, uint8_t type, uint8_t index, std::vector<uint8_t>& out) {
  out.assign(type == kConfiguration ? 1024 : 255, 0);
  UsbSetup setup{kUsbDirIn, kGetDescriptor, static_cast<uint16_t>(type << 8 | index),
                 type == kString && index != 0 ? kEnglishUs : uint16_t{0}, static_cast<uint16_t>(out.size())};
  size_t got = 0;
  const UsbStatus status = device.control(setup, out.data(), got);
  out.resize(status == UsbStatus::ok ? std::min(got, out.size()) : 0);
  if (status == UsbStatus::ok && (out.size() < 2 || out[1] != type)) return UsbStatus::error;
  return status;
}

UsbStatus UsbDescriptors::readDevice(UsbDevice& device, std::array<uint8_t, 18>& out) {
  std::vector<uint8_t> bytes;
  const UsbStatus status = read(device, kDevice, 0, bytes);
  if (status != UsbStatus::ok) return status;
  if (bytes.size() < out.size()) return UsbStatus::error;
  std::copy_n(bytes.begin(), out.size(), out.begin());
  return UsbStatus::ok;
}

UsbStatus UsbDescriptors::readConfiguration(UsbDevice& device, DfuConfiguration& out) {
  std::vector<uint8_t> bytes;
  const UsbStatus status = read(device, kConfiguration, 0, bytes);
  if (status != UsbStatus::ok) return status;
  return parseConfiguration(bytes, out) ? UsbStatus::ok : UsbStatus::error;
}

UsbStatus UsbDescriptors::readString(UsbDevice& device, uint8_t index, std::string& out) {
  out.clear();
  if (index == 0) return UsbStatus::error;
  std::vector<uint8_t> bytes;
  const UsbStatus status = read(device, kString, index, bytes);
  if (status == UsbStatus::ok) out = decodeString(bytes);
  return status;
}

bool UsbDescriptors::parseConfiguration(std::span<const uint8_t> bytes, DfuConfiguration& out) {
  DfuConfiguration config;
  bool inDfuInterface = false;
  for (size_t pos = 0; pos + 2 <= bytes.size();) {
    const uint8_t length = bytes[pos];
    if (length < 2 || length > bytes.size() - pos) return false;
    const uint8_t* d = bytes.data() + pos;
    if (d[1] == kInterfaceType && length >= 9) {
      inDfuInterface = d[5] == 0xFE && d[6] == 0x01;
      if (inDfuInterface) config.interfaces.push_back({d[2], d[3], d[7], d[8]});
    } else if (d[1] == kDfuFunctionalType && inDfuInterface && length >= 9 && !config.hasFunctional) {
      std::copy_n(d, 9, config.functional.begin());
      config.hasFunctional = true;
    }
    pos += length;
  }
  if (config.interfaces.empty()) return false;
  out = std::move(config);
  return true;
}

std::string UsbDescriptors::decodeString(std::span<const uint8_t> bytes) {
  std::string text;
  const size_t end = bytes.size() >= 2 ? std::min<size_t>(bytes[0], bytes.size()) : 0;
  for (size_t i = 2; i + 1 < end; i += 2) {
    const unsigned unit = bytes[i] | bytes[i + 1] << 8;
    text.push_back(unit < 0x100 ? static_cast<char>(unit) : '?');
  }
  return text;
}

}  // namespace ostrel
