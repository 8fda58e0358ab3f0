#include "library/AtomicFile.h"

#include <atomic>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <random>
#include <system_error>
#include <vector>

#include "library/FileSync.h"

namespace ostrel {

namespace fs = std::filesystem;

namespace {

constexpr std::string_view kTemporaryPrefix = ".~ostrel-";
constexpr std::string_view kTemporarySuffix = ".tmp";
constexpr std::size_t kTemporaryDigits = 16;
// The names downloads took before they shared these temporary files.
constexpr std::string_view kOldDownloadPrefix = ".download-";
constexpr std::string_view kOldDownloadSuffix = ".part";

// A name of its own per call, so two writers in one folder never share one.
fs::path temporaryBeside(const fs::path& target) {
  static std::atomic<unsigned long long> counter{std::random_device{}()};
  char digits[kTemporaryDigits + 1];
  std::snprintf(digits, sizeof digits, "%016llx", counter.fetch_add(1));
  std::string name(kTemporaryPrefix);
  name.append(digits).append(kTemporarySuffix);
  return target.parent_path() / name;
}

bool isTemporaryName(const std::string& name) {
  if (name.starts_with(kOldDownloadPrefix) && name.ends_with(kOldDownloadSuffix)) return true;
  return name.size() == kTemporaryPrefix.size() + kTemporaryDigits + kTemporarySuffix.size() &&
         name.starts_with(kTemporaryPrefix) && name.ends_with(kTemporarySuffix);
}

bool writeWhole(const fs::path& path, std::string_view bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  if (!out) return false;
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  out.flush();
  const bool written = out.good();
  out.close();
  return written && !out.fail();
}

}  // namespace

bool AtomicFile::write(const fs::path& target, std::string_view bytes,
                       const BeforeReplace& beforeReplace) {
  const fs::path temporary = temporaryBeside(target);
  if (!writeWhole(temporary, bytes)) {
    std::error_code ec;
    fs::remove(temporary, ec);
    return false;
  }
  return replace(temporary, target, beforeReplace);
}

fs::path AtomicFile::temporaryFor(const fs::path& target) { return temporaryBeside(target); }

bool AtomicFile::replace(const fs::path& temporary, const fs::path& target, const BeforeReplace& beforeReplace) {
  std::error_code ec;
  if (!syncFile(temporary)) {
    fs::remove(temporary, ec);
    return false;
  }
  if (beforeReplace && !beforeReplace(temporary, target)) return false;
  fs::rename(temporary, target, ec);
  if (ec) {
    fs::remove(temporary, ec);
    return false;
  }
  syncFolder(target.parent_path());
  return true;
}

std::optional<std::string> AtomicFile::read(const fs::path& path) {
  std::error_code ec;
  if (!fs::is_regular_file(path, ec)) return std::nullopt;
  std::ifstream in(path, std::ios::binary);
  if (!in) return std::nullopt;
  std::string bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  if (in.bad()) return std::nullopt;
  return bytes;
}

void AtomicFile::removeLeftovers(const fs::path& folder) {
  std::error_code ec;
  std::vector<fs::path> leftovers;
  for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
    std::error_code typeError;
    if (it->is_regular_file(typeError) && isTemporaryName(it->path().filename().string())) {
      leftovers.push_back(it->path());
    }
  }
  for (const fs::path& leftover : leftovers) fs::remove(leftover, ec);
}

bool AtomicFile::canWrite(const fs::path& folder) {
  const fs::path probe = temporaryBeside(folder / "probe");
  const bool written = writeWhole(probe, "probe");
  std::error_code ec;
  fs::remove(probe, ec);
  return written;
}

fs::path AtomicFile::pathOf(const std::string& text) {
  // Byte strings are taken as they are; a Windows build converts from the
  // system code page here and nowhere else.
  return fs::path(text);
}

}  // namespace ostrel
