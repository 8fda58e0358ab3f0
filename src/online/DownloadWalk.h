#pragma once
// The order in which Download fetches the chosen entries of the list: as many
// passes as the list had entries, each from the first entry to the current
// last. After each fetch the walk goes on with the next index, so when a
// fetched entry left the list, the one that moved into its place waits for a
// later pass; an entry whose fetch failed stays chosen and is tried again in
// every later pass.

#include <functional>

namespace ostrel {

class DownloadWalk {
 public:
  // Whether the entry at an index is chosen.
  using Chosen = std::function<bool(int index)>;

  // Download was pressed on a list of passes entries.
  void start(int passes);
  // Ends the walk at once.
  void stop() { pass_ = passes_; }
  bool walking() const { return pass_ < passes_; }

  // The index of the next entry to fetch in a list of count entries, or -1
  // when the walk is over. The walk continues after it with the next index.
  int next(int count, const Chosen& chosen);

  int pass() const { return pass_; }

 private:
  int passes_ = 0;
  int pass_ = 0;
  int index_ = 0;
};

}  // namespace ostrel
