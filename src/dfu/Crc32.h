#pragma once
// The CRC-32 of DFU file suffixes: reflected polynomial 0xEDB88320, register
// started at 0xFFFFFFFF and, unlike zlib's, not inverted at the end.

#include <cstddef>
#include <cstdint>

namespace ostrel {

class Crc32 {
 public:
  static uint32_t dfu(const uint8_t* data, size_t size);
};

}  // namespace ostrel
