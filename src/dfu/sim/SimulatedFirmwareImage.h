#pragma once
// Firmware files for the simulated pad and its boot loader: DfuSe files for
// the boot loader's flash, and the pad firmware's version word, which the
// image carries at a fixed place so a flashed pad can report what it runs.

#include "dfu/DfuseFile.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

namespace ostrel {

// Where the simulated boot loader's flash begins (its first sector).
inline constexpr uint32_t kSimulatedFlashStart = 0x08000000;
// Offset of the firmware's BCD version word (little-endian) in its image,
// just past a Cortex-M vector table.
inline constexpr std::size_t kFirmwareVersionOffset = 0x200;
inline constexpr std::size_t kMinimumFirmwareSize = kFirmwareVersionOffset + 2;

// A file for the pad's boot loader (0483:DF11) with one image for alternate
// setting `alternate` holding the given elements.
DfuseFile simulatedPadFile(std::vector<DfuseElement> elements, uint8_t alternate = 0);

// A DfuSe file of one image of `size` bytes (at least kMinimumFirmwareSize)
// at the start of the flash, carrying bcdVersion (0x0110 is 1.10) in its
// suffix and at kFirmwareVersionOffset in the image.
std::vector<uint8_t> makeSimulatedFirmware(uint16_t bcdVersion, std::size_t size);

// The version a firmware image's BCD word stands for (0x0110 -> 1.10), or
// nothing when the word is not BCD (an erased or foreign image).
std::optional<float> firmwareVersionFromBcd(uint16_t bcdVersion);

}  // namespace ostrel
