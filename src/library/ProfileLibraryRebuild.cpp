// Rebuilding the two name indexes from the folders.
#include <filesystem>
#include <system_error>

#include "library/IndexBatch.h"
#include "library/LibraryFolders.h"
#include "library/SafeName.h"
#include "library/ProfileLibrary.h"

namespace ostrel {

namespace fs = std::filesystem;
using Lock = std::lock_guard<std::recursive_mutex>;

namespace {

// File names of the folder in listing order; folders are left out. The list
// is taken whole first so that moving files cannot disturb the listing.
std::optional<std::vector<std::string>> listFiles(const fs::path& folder) {
  std::error_code ec;
  fs::directory_iterator it(folder, ec);
  if (ec) return std::nullopt;
  std::vector<std::string> names;
  for (; it != fs::directory_iterator(); it.increment(ec)) {
    std::error_code typeError;
    if (!it->is_directory(typeError)) names.push_back(it->path().filename().string());
  }
  if (ec) return std::nullopt;
  return names;
}

std::string withoutExtension(std::string name) {
  const std::string extension = kProfileExtension;
  for (auto at = name.find(extension); at != std::string::npos; at = name.find(extension, at)) {
    name.erase(at, extension.size());
  }
  return name;
}

}  // namespace

// Same bytes at the new place; a file of that name there is replaced.
bool ProfileLibrary::moveFile(const std::string& from, const std::string& to) {
  std::error_code ec;
  fs::rename(AtomicFile::pathOf(at(from)), AtomicFile::pathOf(at(to)), ec);
  if (!ec) return true;
  const auto bytes = readBytes(from);
  if (!bytes || !storeBytes(to, *bytes)) return false;
  return fs::remove(AtomicFile::pathOf(at(from)), ec);
}

// Files whose name holds "kelto-" belong to the maker folder; a file in the
// wrong folder is moved to the other one and listed by that folder's rebuild.
// Names are indexed by their own prefix rule, which may pick the other index.
bool ProfileLibrary::rebuildIndex(bool makerFolder) {
  if (!ready()) return false;
  const std::string folder = makerFolder ? kMakerFolder : kMyFolder;
  const std::string other = makerFolder ? kMyFolder : kMakerFolder;
  const auto files = listFiles(AtomicFile::pathOf(at(folder)));
  if (!files) return false;
  bool done = true;
  IndexBatch batch(basePath, beforeReplace);
  batch.replace(folder + kIndexFile);
  for (const auto& file : *files) {
    if (file == kIndexFile || (!makerFolder && file == kSlotListFile)) continue;
    if (file.find(kProfileExtension) == std::string::npos) continue;
    // A name that no operation could address again is neither listed nor
    // moved: moved, "profile.klt" could replace the other folder's slot list.
    const std::string name = withoutExtension(file);
    if (!isSafeName(name)) continue;
    if ((file.find("kelto-") != std::string::npos) != makerFolder) {
      done = moveFile(folder + file, other + file) && done;
      continue;
    }
    batch.append(indexPathOf(name), name);
  }
  return batch.write() && done;
}

bool ProfileLibrary::rebuildMyIndex() {
  Lock lock(lock_);
  return rebuildIndex(false);
}

bool ProfileLibrary::rebuildMakerIndex() {
  Lock lock(lock_);
  return rebuildIndex(true);
}

}  // namespace ostrel
