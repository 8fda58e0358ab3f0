// Operations on single profiles: make, delete, load, change, file, copy.
#include <algorithm>
#include <filesystem>
#include <system_error>

#include "library/LibraryFolders.h"
#include "library/SafeName.h"
#include "library/TextLines.h"
#include "library/ValueText.h"
#include "library/ProfileLibrary.h"
#include "profile/ProfileRecord.h"

namespace ostrel {

namespace fs = std::filesystem;
using Lock = std::lock_guard<std::recursive_mutex>;

namespace {
bool validSlot(int slot) { return slot >= 0 && slot < kLibrarySlots; }
}  // namespace

bool ProfileLibrary::createProfile(const std::string& name) {
  Lock lock(lock_);
  if (!ready(name) || exists(profilePath(name))) return false;
  // The file first: a failed write then leaves no index line without a file.
  return storeDefaultBody(profilePath(name)) && appendToIndex(indexPathOf(name), name);
}

bool ProfileLibrary::deleteProfile(const std::string& name) {
  Lock lock(lock_);
  if (!ready(name) || !exists(profilePath(name))) return false;
  std::error_code ec;
  if (!fs::remove(AtomicFile::pathOf(at(profilePath(name))), ec)) return false;
  const std::string indexPath = indexPathOf(name);
  if (!exists(indexPath)) return true;
  const auto bytes = readBytes(indexPath);
  if (!bytes) return false;
  auto lines = splitLines(*bytes);
  lines.erase(std::remove(lines.begin(), lines.end(), name), lines.end());
  return storeBytes(indexPath, indexText(lines));
}

void ProfileLibrary::holdDefaults(int slot) {
  std::copy(defaultProfile.begin(), defaultProfile.end(), savedValues[slot].begin());
  std::copy(defaultProfile.begin(), defaultProfile.end(), editValues[slot].begin());
}

bool ProfileLibrary::loadProfileIntoSlot(int slot, const std::string& name) {
  Lock lock(lock_);
  if (!validSlot(slot)) return false;
  // A slot whose name is refused has no file to hold; it holds the defaults,
  // never what an earlier profile or nothing at all left in its rows.
  if (!ready(name)) {
    holdDefaults(slot);
    return false;
  }
  auto& saved = savedValues[slot];
  auto& edit = editValues[slot];
  const std::string path = profilePath(name);
  if (!exists(path)) {
    holdDefaults(slot);
    return storeDefaultBody(path);
  }
  const auto body = readBody(path);
  if (!body) return false;
  const std::size_t count = std::min<std::size_t>(body->lines.size(), kSavedCapacity);
  for (std::size_t i = 0; i < count; ++i) saved[i] = edit[i] = parseValue(body->lines[i]);
  // A stored file reads back to the same bytes; only a plain one is rewritten.
  return body->scrambled || storeBody(path, body->lines);
}

bool ProfileLibrary::setProfileValue(int slot, const std::string& name, int index,
                                 const std::string& valueText) {
  Lock lock(lock_);
  if (!validSlot(slot) || !ready(name) || isMakerName(name) || !isSingleLine(valueText)) {
    return false;
  }
  const std::string path = profilePath(name);
  if (!exists(path)) {
    storeBytes(path, "");
    return false;
  }
  bool replaced = false;
  const auto rule = [&](std::size_t i, std::string& line) {
    if (index < 0 || i != static_cast<std::size_t>(index)) return;
    line = valueText;
    const float value = parseValue(valueText);
    if (i < kSavedCapacity) savedValues[slot][i] = value;
    if (i < kEditCapacity) editValues[slot][i] = value;
    replaced = true;
  };
  return rewriteBody(path, rule) && replaced;
}

// Writes one of the slot's tables over the profile's lines (as many as the
// file has) and makes savedValues (and, from the pad, editValues) agree.
bool ProfileLibrary::fileSlotValues(int slot, const std::string& name, bool fromPad) {
  if (!validSlot(slot) || !ready(name)) return false;
  createProfile(name);
  const auto& source = fromPad ? padValues[slot] : editValues[slot];
  const auto rule = [&](std::size_t i, std::string& line) {
    if (i >= kEditCapacity) return;
    line = formatValue(source[i]);
    if (i < kSavedCapacity) savedValues[slot][i] = source[i];
    if (fromPad) editValues[slot][i] = source[i];
  };
  return rewriteBody(profilePath(name), rule);
}

bool ProfileLibrary::storePadProfile(int slot, const std::string& name) {
  Lock lock(lock_);
  return fileSlotValues(slot, name, true);
}

bool ProfileLibrary::saveSlotAs(int slot, const std::string& name) {
  Lock lock(lock_);
  return fileSlotValues(slot, name, false);
}

bool ProfileLibrary::copyProfile(const std::string& sourceName, const std::string& newName) {
  Lock lock(lock_);
  if (!ready(sourceName) || !ready(newName)) return false;
  const std::string target = kMyFolder + newName + kProfileExtension;
  if (exists(target) || !exists(profilePath(sourceName))) return false;
  const auto bytes = readBytes(profilePath(sourceName));
  if (!bytes || !storeBytes(target, *bytes)) return false;
  const std::string myIndex = std::string(kMyFolder) + kIndexFile;
  return !exists(myIndex) || appendToIndex(myIndex, newName);
}

bool ProfileLibrary::registerMakerProfile(const std::string& name) {
  Lock lock(lock_);
  if (!ready(name) || !exists(kMakerFolder + name + kProfileExtension)) return false;
  const std::string makerIndex = std::string(kMakerFolder) + kIndexFile;
  std::vector<std::string> lines;
  if (exists(makerIndex)) {
    const auto bytes = readBytes(makerIndex);
    if (!bytes) return false;
    lines = splitLines(*bytes);
  }
  if (std::find(lines.begin(), lines.end(), name) == lines.end()) lines.push_back(name);
  return storeBytes(makerIndex, indexText(lines));
}

bool ProfileLibrary::addNameToIndex(const std::string& name) {
  Lock lock(lock_);
  return ready(name) && appendToIndex(indexPathOf(name), name);
}

}  // namespace ostrel
