#include "dfu/Crc32.h"

#include <array>

namespace ostrel {
namespace {

constexpr std::array<uint32_t, 256> makeTable() {
  std::array<uint32_t, 256> table{};
  for (uint32_t i = 0; i < 256; ++i) {
    uint32_t c = i;
    for (int bit = 0; bit < 8; ++bit) c = (c & 1) ? 0xEDB88320u ^ (c >> 1) : c >> 1;
    table[i] = c;
  }
  return table;
}

constexpr auto kTable = makeTable();

}  // namespace

uint32_t Crc32::dfu(const uint8_t* data, size_t size) {
  uint32_t crc = 0xFFFFFFFFu;
  for (size_t i = 0; i < size; ++i) crc = kTable[(crc ^ data[i]) & 0xFF] ^ (crc >> 8);
  return crc;
}

}  // namespace ostrel
