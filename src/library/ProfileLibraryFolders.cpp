// The data folders, the version file, the name lists and the slot list.
#include <filesystem>
#include <system_error>

#include "library/LibraryFolders.h"
#include "library/SafeName.h"
#include "library/TextLines.h"
#include "library/ProfileLibrary.h"

namespace ostrel {

namespace fs = std::filesystem;
using Lock = std::lock_guard<std::recursive_mutex>;

namespace {
constexpr const char* kFolders[] = {"Version", "Myprofile", "Keltoprofile", "Downloadprofile"};
constexpr char kFirstVersion[] = "1.00";
constexpr char kDefaultName[] = "Default";
constexpr char kEmptyDownloadList[] = "kai";

// Line i becomes entry i, up to the table's capacity; gives the count.
int32_t fillNames(const std::string& text, std::array<std::string, kNameCapacity>& names) {
  int32_t count = 0;
  for (auto& line : splitLines(text)) {
    if (count == kNameCapacity) break;
    names[count++] = std::move(line);
  }
  return count;
}
}  // namespace

// Every folder that can be made is made, whatever happened to the others:
// one that fails must not take the rest, or the version file, with it.
bool ProfileLibrary::ensureFolders() {
  Lock lock(lock_);
  bool usable = ready();
  if (usable) {
    // The user's data folder (~/.local/share/ostrel-controller) does not
    // exist before the first run, nor may its parents.
    std::error_code ec;
    fs::create_directories(AtomicFile::pathOf(basePath), ec);
    for (const char* folder : kFolders) {
      const fs::path path = AtomicFile::pathOf(at(folder));
      fs::create_directory(path, ec);
      const bool writable = fs::is_directory(path, ec) && AtomicFile::canWrite(path);
      if (writable) AtomicFile::removeLeftovers(path);
      usable = writable && usable;
    }
    if (!exists(kVersionFile)) usable = storeBytes(kVersionFile, kFirstVersion) && usable;
  }
  problem_ = usable ? std::string()
                    : "The data folder \"" + basePath +
                          "\" cannot be written. Profiles cannot be saved or loaded until it "
                          "can be written.";
  return usable;
}

std::string ProfileLibrary::readVersion() {
  Lock lock(lock_);
  if (!ready()) return std::string();
  if (!exists(kVersionFile)) {
    storeBytes(kVersionFile, kFirstVersion);
    return kFirstVersion;
  }
  const auto bytes = readBytes(kVersionFile);
  if (!bytes) return std::string();
  const auto lines = splitLines(*bytes);
  return lines.empty() ? std::string() : lines.back();
}

bool ProfileLibrary::writeVersion(const std::string& text) {
  Lock lock(lock_);
  if (!ready()) return false;
  for (const char* folder : kFolders) {
    std::error_code ec;
    fs::create_directory(AtomicFile::pathOf(at(folder)), ec);
  }
  return storeBytes(kVersionFile, text);
}

bool ProfileLibrary::loadNames(const char* folder, NameTable& names, int32_t& count) {
  count = 0;
  const std::string indexPath = std::string(folder) + kIndexFile;
  if (!ready() || !exists(indexPath)) return false;
  const auto bytes = readBytes(indexPath);
  if (!bytes) return false;
  count = fillNames(*bytes, names);
  return true;
}

bool ProfileLibrary::loadMyNames() {
  Lock lock(lock_);
  return loadNames(kMyFolder, myNames, myCount);
}

bool ProfileLibrary::loadMakerNames() {
  Lock lock(lock_);
  return loadNames(kMakerFolder, makerNames, makerCount);
}

bool ProfileLibrary::readDownloadList(const std::string& fileName) {
  Lock lock(lock_);
  downloadCount = 0;
  if (!ready(fileName)) return false;
  const std::string listPath = kDownloadFolder + fileName;
  if (!exists(listPath)) {
    storeBytes(listPath, kEmptyDownloadList);
    return false;
  }
  const auto bytes = readBytes(listPath);
  if (!bytes) return false;
  downloadCount = fillNames(*bytes, downloadNames);
  return true;
}

// First run: the "Default" profile, its index line and four "Default" slots.
// A "Default" profile that is already there is kept: it may hold the user's
// own edits.
bool ProfileLibrary::setUpFirstRun() {
  const std::string slotList = std::string(kMyFolder) + kSlotListFile;
  const bool profileReady = createProfile(kDefaultName) || exists(profilePath(kDefaultName));
  const bool listWritten =
      storeBytes(slotList, indexText({kDefaultName, kDefaultName, kDefaultName, kDefaultName}));
  return profileReady && listWritten;
}

std::string ProfileLibrary::getSlotName(int slot) {
  Lock lock(lock_);
  if (!ready()) return std::string();
  const std::string slotList = std::string(kMyFolder) + kSlotListFile;
  if (!exists(slotList)) {
    setUpFirstRun();
    return kDefaultName;
  }
  const auto bytes = readBytes(slotList);
  if (!bytes) return std::string();
  const auto lines = splitLines(*bytes);
  if (slot < 0 || static_cast<std::size_t>(slot) >= lines.size()) return std::string();
  return lines[static_cast<std::size_t>(slot)];
}

bool ProfileLibrary::assignSlot(int slot, const std::string& name) {
  Lock lock(lock_);
  if (!ready() || !isSingleLine(name)) return false;
  const std::string slotList = std::string(kMyFolder) + kSlotListFile;
  if (!exists(slotList)) {
    setUpFirstRun();  // the name is not applied: the slots start as "Default"
    return false;
  }
  const auto bytes = readBytes(slotList);
  if (!bytes) return false;
  auto lines = splitLines(*bytes);
  const bool onList = slot >= 0 && static_cast<std::size_t>(slot) < lines.size();
  if (onList) lines[static_cast<std::size_t>(slot)] = name;
  return storeBytes(slotList, joinLines(lines)) && onList;
}

}  // namespace ostrel
