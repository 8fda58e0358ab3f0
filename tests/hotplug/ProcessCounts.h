#pragma once
// The process's threads and open file descriptors, as /proc lists them, to
// compare before and after a test's work.

#include <cstddef>
#include <ostream>
#include <string>
#include <vector>

namespace ostrel::testing {

struct ProcessCounts {
  std::size_t threads = 0;
  std::size_t descriptors = 0;

  // Descriptors whose target starts with one of ignored (a mock's own, say)
  // are not counted.
  static ProcessCounts now(const std::vector<std::string>& ignored = {});
  // The counts once they are no higher than limit, or after a second: a
  // thread that was joined or a sanitizer's helper may take a moment to leave
  // /proc, while a leak stays.
  static ProcessCounts settled(const ProcessCounts& limit, const std::vector<std::string>& ignored = {});
  bool noMoreThan(const ProcessCounts& limit) const {
    return threads <= limit.threads && descriptors <= limit.descriptors;
  }
};

inline std::ostream& operator<<(std::ostream& out, const ProcessCounts& counts) {
  return out << counts.threads << " threads, " << counts.descriptors << " descriptors";
}

}  // namespace ostrel::testing
