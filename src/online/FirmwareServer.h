#pragma once
// The two questions the update screen asks the maker's server: which firmware
// version is current, and the firmware file itself. Each returns the update
// screen's next state.

#include <cstdint>
#include <string>

#include "online/ServerSettings.h"

namespace ostrel {

// Update screen states these operations lead to.
inline constexpr int32_t kVersionChecked = 2;
inline constexpr int32_t kNoServer = 9;
inline constexpr int32_t kFirmwareReceived = 7;
inline constexpr int32_t kFirmwareFailed = 11;

// Server paths, and the firmware's local path below the data root (the
// version file's is the library's kVersionFile).
inline constexpr const char* kServerVersionFile = "Firmware_updates_PX720_LT/version.klt";
inline constexpr const char* kServerFirmwareFile = "Firmware_updates_PX720_LT/Ostrel.dfu";
inline constexpr const char* kLocalFirmwareFile = "Version/Ostrel.dfu";

struct VersionCheck {
  int32_t state = kNoServer;     // kVersionChecked or kNoServer
  bool versionReceived = false;  // the local version file now holds the server's

  // The update screen's decision after the check: offer the update only when
  // the server's version arrived and updateOffered holds for it. serverText
  // is what the library's readVersion returns.
  bool offersUpdate(float padFirmwareVersion, const std::string& serverText) const;
};

// Fetches the server's version file over the local one. basePath is the data
// root, ending with a path separator. A version file that did not arrive
// leaves the local one as it was and versionReceived false: the screen then
// offers no update.
VersionCheck checkVersion(const ServerSettings& settings, const std::string& basePath);

// Fetches the firmware file; kFirmwareReceived only when it arrived whole,
// and only then is the local firmware file replaced.
int32_t downloadFirmware(const ServerSettings& settings, const std::string& basePath);

}  // namespace ostrel
