#pragma once
// The option bytes of the pad's boot loader as the engine reads them (DfuSe
// set-address and upload): whether the flash reads back as protected, the
// read-protection byte and the write-protection word; and the sector flags
// they imply.

#include "dfu/DfuClock.h"
#include "dfu/MemoryMap.h"
#include "dfu/DfuDevice.h"

#include <vector>

namespace ostrel {

struct DfuOptionBytes {
  bool readProtected = false;
  uint8_t readProtection = 0;    // 0xA5: not protected
  uint32_t writeProtection = 0;  // a 1 bit: that group of sectors may be written

  // Reads them from an open device.
  static DfuOptionBytes read(DfuDevice& dfu, DfuHandle device, DfuClock& clock);
  // Brings the device to dfuIDLE; false when it does not get there.
  static bool bringToIdle(DfuDevice& dfu, DfuHandle device, DfuClock& clock);
  // Rewrites every sector's flags: readable when not read-protected; erasable
  // and writeable when its write-protection bit (sector / 4, bit 31 past
  // sector 127) is set.
  void applyTo(std::vector<MemoryTarget>& targets) const;
};

}  // namespace ostrel
