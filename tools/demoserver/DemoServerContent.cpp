#include "DemoServerContent.h"

#include <cstdio>
#include <fstream>
#include <system_error>

#include "dfu/sim/SimulatedFirmwareImage.h"
#include "library/ProfileLibrary.h"
#include "profile/ProfileRecord.h"

namespace fs = std::filesystem;

namespace ostrel {
namespace {

constexpr const char* kProfileFolder = "Profiles_PX720_LT";
constexpr const char* kFirmwareFolder = "Firmware_updates_PX720_LT";

struct MakerProfile {
  const char* name;
  float sensitivity1;
  float sensitivity2;
  float staticDeadZone;
};

// Each with its own stick feel, so a downloaded one is recognisable.
constexpr MakerProfile kMakerProfiles[] = {
    {"kelto-FPS", 1.4f, 1.2f, 0.05f},      {"kelto-Racing", 0.8f, 0.8f, 0.15f},
    {"kelto-Flight", 0.6f, 1.0f, 0.1f},    {"kelto-Strategy", 1.2f, 1.6f, 0.08f},
    {"kelto-Platformer", 1.0f, 1.3f, 0.12f},
};

bool writeBytes(const fs::path& path, const void* data, std::size_t size) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(static_cast<const char*>(data), static_cast<std::streamsize>(size));
  return static_cast<bool>(out.flush());
}

bool writeText(const fs::path& path, const std::string& text) { return writeBytes(path, text.data(), text.size()); }

bool writeFirmware(const fs::path& path, uint16_t bcdVersion) {
  const std::vector<uint8_t> file = makeSimulatedFirmware(bcdVersion, kDemoFirmwareSize);
  return writeBytes(path, file.data(), file.size());
}

// The profiles are made in a library of their own below staging, then copied.
std::string writeProfiles(const fs::path& root, const fs::path& staging) {
  ProfileLibrary library;
  library.basePath = staging.string() + "/";
  if (!library.ensureFolders()) return library.problem();
  std::string list;
  for (const MakerProfile& profile : kMakerProfiles) {
    library.loadProfileIntoSlot(0, profile.name);
    auto& values = library.editValues[0];
    values[ProfileIndex::sensitivity1] = profile.sensitivity1;
    values[ProfileIndex::sensitivity2] = profile.sensitivity2;
    values[ProfileIndex::staticDeadZone] = profile.staticDeadZone;
    const std::string file = std::string(profile.name) + ".klt";
    std::error_code error;
    if (!library.saveSlotAs(0, profile.name) ||
        !fs::copy_file(staging / "Keltoprofile" / file, root / kProfileFolder / file,
                       fs::copy_options::overwrite_existing, error))
      return "cannot make the maker profile " + std::string(profile.name);
    list += std::string(profile.name) + "\r\n";
  }
  if (!writeText(root / kProfileFolder / "profiles.klt", list)) return "cannot write the profile list";
  return {};
}

}  // namespace

std::vector<std::string> demoMakerProfiles() {
  std::vector<std::string> names;
  for (const MakerProfile& profile : kMakerProfiles) names.emplace_back(profile.name);
  return names;
}

std::string bcdVersionText(uint16_t bcdVersion) {
  char text[8];
  std::snprintf(text, sizeof text, "%x.%02x", bcdVersion >> 8, bcdVersion & 0xFFu);
  return text;
}

std::string writeDemoServerFiles(const fs::path& root) {
  std::error_code error;
  const fs::path staging = root / ".staging";  // gone before the server starts
  if (!fs::create_directories(root / kProfileFolder, error) && error) return "cannot create " + root.string();
  if (!fs::create_directories(root / kFirmwareFolder, error) && error) return "cannot create " + root.string();
  if (!fs::create_directories(staging, error) && error) return "cannot create " + staging.string();
  std::string problem = writeProfiles(root, staging);
  fs::remove_all(staging, error);
  if (!problem.empty()) return problem;
  if (!writeText(root / kFirmwareFolder / "version.klt", bcdVersionText(kDemoServerFirmware)) ||
      !writeFirmware(root / kFirmwareFolder / "Ostrel.dfu", kDemoServerFirmware))
    return "cannot write the firmware files";
  return {};
}

std::string writeFactoryFirmware(const fs::path& dataRoot) {
  const fs::path file = dataRoot / "Version" / "factory.dfu";
  std::error_code error;
  if (fs::exists(file, error)) return {};
  if ((!fs::create_directories(file.parent_path(), error) && error) || !writeFirmware(file, kDemoFactoryFirmware))
    return "cannot write " + file.string();
  return {};
}

}  // namespace ostrel
