// The library object's shared plumbing and the file-level scrambling.
#include "library/ProfileLibrary.h"

#include <filesystem>
#include <system_error>

#include "library/IndexBatch.h"
#include "library/SafeName.h"
#include "library/Scrambler.h"
#include "library/TextLines.h"
#include "library/ValueText.h"
#include "profile/ProfileRecord.h"

namespace ostrel {

namespace fs = std::filesystem;
using Lock = std::lock_guard<std::recursive_mutex>;

// The slots hold the defaults until a profile is loaded into them: a slot
// that is sent before it was ever loaded never goes out as zeros.
ProfileLibrary::ProfileLibrary() {
  for (int slot = 0; slot < kLibrarySlots; ++slot) holdDefaults(slot);
}
ProfileLibrary::~ProfileLibrary() = default;

uint32_t ProfileLibrary::deriveKey() const { return deriveScrambleKey(); }

bool ProfileLibrary::scrambleFile(const std::string& path) {
  Lock lock(lock_);
  const auto bytes = AtomicFile::read(AtomicFile::pathOf(path));
  if (!bytes) return false;
  scrambleKey = deriveKey();
  return AtomicFile::write(AtomicFile::pathOf(path), scrambleBytes(*bytes, scrambleKey),
                           beforeReplace);
}

bool ProfileLibrary::unscrambleFile(const std::string& path) {
  Lock lock(lock_);
  const auto bytes = AtomicFile::read(AtomicFile::pathOf(path));
  if (!bytes) return false;
  scrambleKey = deriveKey();
  const auto body = unscrambleBytes(*bytes, scrambleKey);
  return body && AtomicFile::write(AtomicFile::pathOf(path), *body, beforeReplace);
}

bool ProfileLibrary::fileExists(const std::string& path) const {
  std::error_code ec;
  return fs::exists(fs::symlink_status(AtomicFile::pathOf(path), ec));
}

bool ProfileLibrary::ready() const { return !basePath.empty(); }

bool ProfileLibrary::ready(const std::string& name) const { return ready() && isSafeName(name); }

std::string ProfileLibrary::at(const std::string& relative) const { return basePath + relative; }

bool ProfileLibrary::exists(const std::string& relative) const { return fileExists(at(relative)); }

std::optional<std::string> ProfileLibrary::readBytes(const std::string& relative) const {
  return AtomicFile::read(AtomicFile::pathOf(at(relative)));
}

bool ProfileLibrary::storeBytes(const std::string& relative, std::string_view bytes) {
  return AtomicFile::write(AtomicFile::pathOf(at(relative)), bytes, beforeReplace);
}

// A stored body is unscrambled once; anything else is taken as plain text.
std::optional<ProfileLibrary::Body> ProfileLibrary::readBody(const std::string& relative) {
  const auto bytes = readBytes(relative);
  if (!bytes) return std::nullopt;
  scrambleKey = deriveKey();
  const auto plain = unscrambleBytes(*bytes, scrambleKey);
  return Body{splitLines(plain ? *plain : *bytes), plain.has_value()};
}

bool ProfileLibrary::storeBody(const std::string& relative, const std::vector<std::string>& lines) {
  scrambleKey = deriveKey();
  return storeBytes(relative, scrambleBytes(joinLines(lines), scrambleKey));
}

bool ProfileLibrary::storeDefaultBody(const std::string& relative) {
  scrambleKey = deriveKey();
  const std::string body = bodyText(defaultProfile.data(), defaultProfile.size());
  return storeBytes(relative, scrambleBytes(body, scrambleKey));
}

// Every line goes through the rule; the line count stays what the file had.
bool ProfileLibrary::rewriteBody(const std::string& relative, const LineRule& rule) {
  auto body = readBody(relative);
  if (!body) return false;
  for (std::size_t i = 0; i < body->lines.size(); ++i) rule(i, body->lines[i]);
  return storeBody(relative, body->lines);
}

bool ProfileLibrary::appendToIndex(const std::string& indexPath, const std::string& name) {
  IndexBatch batch(basePath, beforeReplace);
  batch.append(indexPath, name);
  return batch.write();
}

}  // namespace ostrel
