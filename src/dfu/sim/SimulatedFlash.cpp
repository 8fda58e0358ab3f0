#include "dfu/sim/SimulatedFlash.h"

#include <algorithm>

namespace ostrel {

SimulatedFlash::SimulatedFlash(std::vector<MemoryTarget> regions) : regions_(std::move(regions)) {
  for (const MemoryTarget& r : regions_)
    for (const MemorySector& s : r.sectors) sectors_[s.address].assign(s.size, 0xFF);
}

const MemoryTarget* SimulatedFlash::regionAt(uint32_t address) const {
  for (const MemoryTarget& r : regions_)
    if (r.sectorAt(address)) return &r;
  return nullptr;
}

const MemorySector* SimulatedFlash::sectorAt(uint32_t address) const {
  const MemoryTarget* r = regionAt(address);
  return r ? r->sectorAt(address) : nullptr;
}

const uint8_t* SimulatedFlash::byteAt(uint32_t address) const {
  const MemorySector* s = sectorAt(address);
  return s ? &sectors_.at(s->address)[address - s->address] : nullptr;
}

uint8_t* SimulatedFlash::byteAt(uint32_t address) {
  return const_cast<uint8_t*>(static_cast<const SimulatedFlash*>(this)->byteAt(address));
}

size_t SimulatedFlash::read(uint32_t address, uint8_t* out, size_t length) const {
  size_t done = 0;
  for (; done < length && uint64_t{address} + done <= 0xFFFFFFFFull; ++done) {
    const MemorySector* s = sectorAt(static_cast<uint32_t>(address + done));
    if (!s || !(s->flags & kSectorReadable)) break;
    out[done] = *byteAt(static_cast<uint32_t>(address + done));
  }
  return done;
}

SimulatedFlash::Result SimulatedFlash::write(uint32_t address, const uint8_t* data, size_t length) {
  const MemoryTarget* region = regionAt(address);
  if (!region || !region->covers(address, length, 0)) return Result::outside;
  if (!region->covers(address, length, kSectorWriteable)) return Result::notAllowed;
  for (size_t i = 0; i < length; ++i) {
    const MemorySector* s = sectorAt(static_cast<uint32_t>(address + i));
    if ((s->flags & kSectorErasable) && *byteAt(static_cast<uint32_t>(address + i)) != 0xFF)
      return Result::notErased;
  }
  for (size_t i = 0; i < length; ++i) *byteAt(static_cast<uint32_t>(address + i)) = data[i];
  return Result::ok;
}

SimulatedFlash::Result SimulatedFlash::eraseSector(uint32_t address) {
  const MemorySector* s = sectorAt(address);
  if (!s) return Result::outside;
  std::fill(sectors_[s->address].begin(), sectors_[s->address].end(), 0xFF);
  return Result::ok;
}

size_t SimulatedFlash::eraseAll() {
  size_t count = 0;
  for (const MemoryTarget& r : regions_)
    for (const MemorySector& s : r.sectors)
      if ((s.flags & kSectorErasable) && eraseSector(s.address) == Result::ok) ++count;
  return count;
}

}  // namespace ostrel
