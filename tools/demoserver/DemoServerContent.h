#pragma once
// What the maker's server holds in the demo: a list of maker profiles and
// those profiles (made by the library itself, so they are stored exactly as
// the program stores them), the current firmware version and its firmware
// file for the simulated boot loader. Also the factory firmware the program
// keeps for a recovery.

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace ostrel {

inline constexpr uint16_t kDemoServerFirmware = 0x0110;   // newer than the simulated pad's 1.00
inline constexpr uint16_t kDemoFactoryFirmware = 0x0100;
inline constexpr std::size_t kDemoFirmwareSize = 256 * 1024;

// The maker profiles the server lists, in the list's order.
std::vector<std::string> demoMakerProfiles();

// A firmware version word read as BCD major.minor: 0x0110 gives "1.10".
std::string bcdVersionText(uint16_t bcdVersion);

// Writes the server's files below root (which must exist). Empty on success,
// otherwise what could not be made.
std::string writeDemoServerFiles(const std::filesystem::path& root);

// Puts "Version/factory.dfu" below dataRoot unless one is there already (it
// may be the owner's own). Empty on success, otherwise what failed.
std::string writeFactoryFirmware(const std::filesystem::path& dataRoot);

}  // namespace ostrel
