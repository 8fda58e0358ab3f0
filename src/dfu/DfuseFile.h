#pragma once
// A DfuSe firmware file in memory: a prefix, targets (one per alternate
// setting, optionally named) holding elements (an address and its bytes), and
// the DFU suffix with vendor, product, version, bcdDFU and CRC-32.
//
// parse() checks everything before anything else looks at the content, so a
// file that passes can be written to a device without further surprises.

#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace ostrel {

struct DfuseElement {
  uint32_t address = 0;
  std::vector<uint8_t> data;
};

struct DfuseImage {
  uint8_t alternate = 0;
  std::string name;  // at most 254 bytes; empty when the target is not named
  std::vector<DfuseElement> elements;

  // Bytes of data in all elements.
  uint64_t dataSize() const;
};

enum class DfuseFileError {
  none,
  tooShort,
  badSuffix,
  badCrc,
  badPrefix,
  badTarget,
  badElement,
  overlappingElements,
  trailingData,
};

struct DfuseFile {
  uint16_t vendor = 0xFFFF;
  uint16_t product = 0xFFFF;
  uint16_t version = 0xFFFF;  // bcdDevice
  std::vector<DfuseImage> images;

  static constexpr size_t kPrefixSize = 11;
  static constexpr size_t kTargetPrefixSize = 274;
  static constexpr size_t kElementHeaderSize = 8;
  static constexpr size_t kSuffixSize = 16;

  static DfuseFileError parse(std::span<const uint8_t> bytes, DfuseFile& out);
  std::vector<uint8_t> serialise() const;
};

}  // namespace ostrel
