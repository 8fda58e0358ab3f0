#include "library/IndexBatch.h"

#include <system_error>
#include <utility>

#include "library/TextLines.h"

namespace ostrel {

IndexBatch::IndexBatch(std::string basePath, AtomicFile::BeforeReplace beforeReplace)
    : basePath_(std::move(basePath)), beforeReplace_(std::move(beforeReplace)) {}

IndexBatch::Pending IndexBatch::load(const std::string& indexPath) const {
  const auto path = AtomicFile::pathOf(basePath_ + indexPath);
  std::error_code ec;
  Pending pending;
  if (!std::filesystem::exists(path, ec)) return pending;
  const auto bytes = AtomicFile::read(path);
  if (bytes) {
    pending.lines = splitLines(*bytes);
  } else {
    pending.readable = false;
  }
  return pending;
}

void IndexBatch::append(const std::string& indexPath, const std::string& name) {
  auto found = pending_.find(indexPath);
  if (found == pending_.end()) found = pending_.emplace(indexPath, load(indexPath)).first;
  found->second.lines.push_back(name);
}

void IndexBatch::replace(const std::string& indexPath) {
  Pending fresh;
  fresh.replacing = true;
  pending_[indexPath] = fresh;
}

bool IndexBatch::write() {
  bool allWritten = true;
  for (const auto& [indexPath, pending] : pending_) {
    allWritten = store(indexPath, pending) && allWritten;
  }
  pending_.clear();
  return allWritten;
}

bool IndexBatch::store(const std::string& indexPath, const Pending& pending) const {
  const auto path = AtomicFile::pathOf(basePath_ + indexPath);
  if (pending.replacing && pending.lines.empty()) {
    std::error_code ec;
    std::filesystem::remove(path, ec);
    return !ec;
  }
  return pending.readable && AtomicFile::write(path, indexText(pending.lines), beforeReplace_);
}

}  // namespace ostrel
