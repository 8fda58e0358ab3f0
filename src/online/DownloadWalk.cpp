#include "online/DownloadWalk.h"

namespace ostrel {

void DownloadWalk::start(int passes) {
  passes_ = passes;
  pass_ = 0;
  index_ = 0;
}

int DownloadWalk::next(int count, const Chosen& chosen) {
  while (pass_ < passes_) {
    for (; index_ < count; ++index_) {
      if (chosen(index_)) return index_++;
    }
    ++pass_;
    index_ = 0;
  }
  return -1;
}

}  // namespace ostrel
