#pragma once
// Appends to name indexes, collected in memory and written once per index.
// The files come out exactly as appending the names one by one would make
// them (each append rewrites the index as its lines, each followed by CR LF,
// plus the name), but a rebuild of n names costs one read and one write per
// index instead of n.

#include <map>
#include <string>
#include <vector>

#include "library/AtomicFile.h"

namespace ostrel {

class IndexBatch {
 public:
  IndexBatch(std::string basePath, AtomicFile::BeforeReplace beforeReplace);

  // Queues name at the end of the index at indexPath (relative to basePath).
  // The name must be non-empty and hold no line end.
  void append(const std::string& indexPath, const std::string& name);

  // Starts the index at indexPath afresh: write() replaces it with the names
  // appended from now on, or removes it when none were. The old index stays
  // whole until then, so a crash never leaves the folder without one.
  void replace(const std::string& indexPath);

  // Writes every index that got a name. False when one of them could not be
  // read (it is then left alone) or written.
  bool write();

 private:
  struct Pending {
    std::vector<std::string> lines;
    bool readable = true;
    bool replacing = false;
  };
  bool store(const std::string& indexPath, const Pending& pending) const;
  Pending load(const std::string& indexPath) const;

  std::string basePath_;
  AtomicFile::BeforeReplace beforeReplace_;
  std::map<std::string, Pending> pending_;
};

}  // namespace ostrel
