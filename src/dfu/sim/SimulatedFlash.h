#pragma once
// The memory of the simulated boot loader: the regions its memory map strings
// name, erased to 0xFF. Erasable sectors must be erased before they are
// written; the others (option bytes) are written in place, and may still be
// erased as a whole, as the chip's option bytes can.

#include "dfu/MemoryMap.h"

#include <cstdint>
#include <map>
#include <vector>

namespace ostrel {

class SimulatedFlash {
 public:
  enum class Result { ok, outside, notErased, notAllowed };

  explicit SimulatedFlash(std::vector<MemoryTarget> regions);

  const std::vector<MemoryTarget>& regions() const { return regions_; }
  const MemorySector* sectorAt(uint32_t address) const;
  // The region (alternate setting) holding address, or nullptr.
  const MemoryTarget* regionAt(uint32_t address) const;

  // Copies up to length readable bytes from address on; stops at the first gap.
  size_t read(uint32_t address, uint8_t* out, size_t length) const;
  Result write(uint32_t address, const uint8_t* data, size_t length);
  Result eraseSector(uint32_t address);
  // Erases every erasable sector (a mass erase); returns how many.
  size_t eraseAll();

 private:
  uint8_t* byteAt(uint32_t address);
  const uint8_t* byteAt(uint32_t address) const;

  std::vector<MemoryTarget> regions_;
  std::map<uint32_t, std::vector<uint8_t>> sectors_;  // by start address
};

}  // namespace ostrel
