#pragma once
// USB identities of the pad and the roles of its HID interfaces.

#include <cstdint>

namespace ostrel {

inline constexpr uint16_t kPadVendor = 0xE7C1;
inline constexpr uint16_t kPadProduct = 0x5A0D;
// The pad presenting itself as a Microsoft Xbox 360 controller.
inline constexpr uint16_t kXboxVendor = 0x045E;
inline constexpr uint16_t kXboxProduct = 0x028E;

inline constexpr int kPadInterfaceCount = 4;
inline constexpr int kKeyInterface = 0;      // key reports, read only
inline constexpr int kCommandInterface = 3;  // every command and answer

}  // namespace ostrel
