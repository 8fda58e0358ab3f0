// libFuzzer target: the memory-map parser on any interface string; a string
// it accepts gives sectors that follow one another inside 32-bit addresses.

#include "dfu/MemoryMap.h"

#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  ostrel::MemoryTarget target;
  if (!ostrel::MemoryTarget::parse({reinterpret_cast<const char*>(data), size}, 0, target)) return 0;
  if (target.sectors.empty()) std::abort();
  for (const ostrel::MemorySector& s : target.sectors)
    if (s.size == 0 || s.end() > 0x100000000ull || !(s.flags >= 1 && s.flags <= 7)) std::abort();
  return 0;
}
