#pragma once
// The USB identity of the pad's boot loader in DFU mode (the microcontroller's
// system boot loader): what its firmware files name as their device.

#include <cstdint>

namespace ostrel {

inline constexpr uint16_t kBootLoaderVendor = 0x0483;
inline constexpr uint16_t kBootLoaderProduct = 0xDF11;

}  // namespace ostrel
