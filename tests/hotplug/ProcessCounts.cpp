#include "ProcessCounts.h"

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <thread>

namespace ostrel::testing {
namespace {

namespace fs = std::filesystem;

std::size_t entries(const char* folder, const std::vector<std::string>& ignored) {
  std::size_t count = 0;
  std::error_code ec;
  for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
    std::error_code linkError;
    const std::string target =
        ignored.empty() ? std::string() : fs::read_symlink(it->path(), linkError).string();
    const bool skip = std::any_of(ignored.begin(), ignored.end(), [&](const std::string& start) {
      return target.starts_with(start);
    });
    if (!skip) ++count;
  }
  return count;
}

}  // namespace

ProcessCounts ProcessCounts::now(const std::vector<std::string>& ignored) {
  // The listing of /proc/self/fd holds its own descriptor; it counts alike
  // every time.
  return {entries("/proc/self/task", {}), entries("/proc/self/fd", ignored)};
}

ProcessCounts ProcessCounts::settled(const ProcessCounts& limit, const std::vector<std::string>& ignored) {
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(1);
  ProcessCounts counts = now(ignored);
  while (!counts.noMoreThan(limit) && std::chrono::steady_clock::now() < deadline) {
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
    counts = now(ignored);
  }
  return counts;
}

}  // namespace ostrel::testing
