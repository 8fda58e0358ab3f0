#pragma once
// The memory layout a DfuSe device names in each alternate setting's interface
// string, for example "@Internal Flash  /0x08000000/04*016Kg,01*064Kg,07*128Kg":
// a name, then segments of a start address and runs of count*size sectors
// with a multiplier (' ' or B bytes, K, M) and a flag letter a..g.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace ostrel {

inline constexpr uint8_t kSectorReadable = 1;
inline constexpr uint8_t kSectorErasable = 2;
inline constexpr uint8_t kSectorWriteable = 4;

struct MemorySector {
  uint32_t address = 0;
  uint32_t size = 0;
  uint8_t flags = 0;
  uint64_t end() const { return uint64_t{address} + size; }
};

struct MemoryTarget {
  uint8_t alternate = 0;
  std::string name;  // as the device spells it, trailing spaces kept
  std::vector<MemorySector> sectors;

  // Parses an interface string; false (and out untouched) when it is malformed.
  static bool parse(std::string_view text, uint8_t alternate, MemoryTarget& out);

  // The sector holding address, or nullptr.
  const MemorySector* sectorAt(uint32_t address) const;
  // True when [address, address + size) lies in sectors that all carry flags.
  bool covers(uint32_t address, uint64_t size, uint8_t flags) const;
};

}  // namespace ostrel
