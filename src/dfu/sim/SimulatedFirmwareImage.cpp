#include "dfu/sim/SimulatedFirmwareImage.h"

#include <algorithm>

#include "dfu/BootLoaderIdentity.h"

namespace ostrel {
namespace {

bool isBcdByte(uint8_t byte) { return (byte >> 4) < 10 && (byte & 0x0F) < 10; }
int bcdByteValue(uint8_t byte) { return (byte >> 4) * 10 + (byte & 0x0F); }

}  // namespace

DfuseFile simulatedPadFile(std::vector<DfuseElement> elements, uint8_t alternate) {
  DfuseFile file;
  file.vendor = kBootLoaderVendor;
  file.product = kBootLoaderProduct;
  file.version = 0x2200;
  file.images.push_back({alternate, "Internal Flash", std::move(elements)});
  return file;
}

std::vector<uint8_t> makeSimulatedFirmware(uint16_t bcdVersion, std::size_t size) {
  // Content that differs from block to block, so a misplaced block shows.
  std::vector<uint8_t> image(std::max(size, kMinimumFirmwareSize));
  for (std::size_t i = 0; i < image.size(); ++i)
    image[i] = static_cast<uint8_t>((i * 7 + (i >> 11) * 13 + bcdVersion) & 0xFF);
  image[kFirmwareVersionOffset] = static_cast<uint8_t>(bcdVersion & 0xFF);
  image[kFirmwareVersionOffset + 1] = static_cast<uint8_t>(bcdVersion >> 8);
  DfuseFile file = simulatedPadFile({{kSimulatedFlashStart, std::move(image)}});
  file.version = bcdVersion;
  return file.serialise();
}

std::optional<float> firmwareVersionFromBcd(uint16_t bcdVersion) {
  const auto major = static_cast<uint8_t>(bcdVersion >> 8);
  const auto minor = static_cast<uint8_t>(bcdVersion & 0xFF);
  if (!isBcdByte(major) || !isBcdByte(minor)) return std::nullopt;
  return static_cast<float>(bcdByteValue(major)) + static_cast<float>(bcdByteValue(minor)) / 100.0f;
}

}  // namespace ostrel
