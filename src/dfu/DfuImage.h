#pragma once
// An image as the DFU layer keeps it: the target's content from a DfuSe file
// (or an empty one made from a memory map) and what fitting it to a target
// for an operation worked out.

#include "dfu/DfuseFile.h"
#include "dfu/MemoryMap.h"

#include <cstdint>
#include <vector>

namespace ostrel {

inline constexpr uint32_t kOperationLeave = 1;
inline constexpr uint32_t kOperationErase = 3;
inline constexpr uint32_t kOperationUpgrade = 4;

struct DfuImage {
  DfuseImage content;
  uint32_t operation = 0;                   // the operation it was fitted for; 0 before
  std::vector<MemorySector> eraseSectors;   // erase: the sectors the elements touch, once each
  uint32_t startAddress = 0;                // leave: where the device starts its program

  // Fits the image to target for operation; false when it cannot run there
  // (another alternate setting, an element outside the sectors that allow it).
  bool fitTo(const MemoryTarget& target, uint32_t operation);
};

}  // namespace ostrel
