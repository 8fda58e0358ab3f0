// libFuzzer target: any bytes as a DFU device's configuration descriptor and
// as a string descriptor. A configuration it takes names at least one DFU
// interface, each found in an interface descriptor of the DFU class inside
// the bytes; a string has one character per UTF-16 unit the length byte
// covers.

#include <cstdlib>
#include <span>

#include "dfu/UsbDescriptors.h"

namespace {

void check(bool holds) {
  if (!holds) std::abort();
}

// True when an interface descriptor of the DFU class in bytes names interface.
bool described(std::span<const uint8_t> bytes, const ostrel::DfuInterface& interface) {
  for (std::size_t at = 0; at + 9 <= bytes.size(); ++at) {
    const uint8_t* d = bytes.data() + at;
    if (d[0] >= 9 && d[1] == 4 && d[2] == interface.number && d[3] == interface.alternate &&
        d[5] == 0xFE && d[6] == 0x01 && d[7] == interface.protocol && d[8] == interface.nameIndex)
      return true;
  }
  return false;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::span<const uint8_t> bytes(data, size);
  ostrel::DfuConfiguration config;
  if (ostrel::UsbDescriptors::parseConfiguration(bytes, config)) {
    check(!config.interfaces.empty());
    for (const auto& interface : config.interfaces) check(described(bytes, interface));
    check(!config.hasFunctional || config.functional[1] == 0x21);
  }
  const std::string text = ostrel::UsbDescriptors::decodeString(bytes);
  const std::size_t covered = size >= 2 ? std::min<std::size_t>(data[0], size) : 0;
  check(text.size() == (covered > 2 ? (covered - 2) / 2 : 0));
  return 0;
}
