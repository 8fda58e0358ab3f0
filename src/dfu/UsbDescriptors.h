#pragma once
// Reading the standard USB descriptors a DFU device offers, over control
// transfers, and finding its DFU interfaces and DFU functional descriptor in
// the configuration descriptor.

#include "dfu/UsbTransport.h"

#include <array>
#include <span>
#include <string>
#include <vector>

namespace ostrel {

struct DfuInterface {
  uint8_t number = 0;
  uint8_t alternate = 0;
  uint8_t protocol = 0;    // 1 runtime (application mode), 2 DFU mode
  uint8_t nameIndex = 0;   // iInterface: the memory map string of DfuSe devices
};

struct DfuConfiguration {
  std::vector<DfuInterface> interfaces;
  std::array<uint8_t, 9> functional{};  // DFU functional descriptor
  bool hasFunctional = false;

  uint16_t transferSize() const { return static_cast<uint16_t>(functional[5] | functional[6] << 8); }
  uint16_t bcdDfuVersion() const { return static_cast<uint16_t>(functional[7] | functional[8] << 8); }
};

class UsbDescriptors {
 public:
  static constexpr uint8_t kDevice = 1;
  static constexpr uint8_t kConfiguration = 2;
  static constexpr uint8_t kString = 3;

  static UsbStatus read(UsbDevice& device, uint8_t type, uint8_t index, std::vector<uint8_t>& out);
  static UsbStatus readDevice(UsbDevice& device, std::array<uint8_t, 18>& out);
  static UsbStatus readConfiguration(UsbDevice& device, DfuConfiguration& out);
  // String descriptor in the first language, as 8-bit text ('?' outside Latin-1).
  static UsbStatus readString(UsbDevice& device, uint8_t index, std::string& out);

  static bool parseConfiguration(std::span<const uint8_t> bytes, DfuConfiguration& out);
  static std::string decodeString(std::span<const uint8_t> bytes);
};

}  // namespace ostrel
