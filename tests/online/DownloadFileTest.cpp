// What a download leaves on the disk: its bytes forced there before it
// replaces its destination, and nothing after the next start-up when a power
// cut stopped it.

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "TempDir.h"
#include "library/ProfileLibrary.h"
#include "library/AtomicFile.h"
#include "online/DownloadFile.h"

#ifndef _WIN32
#include <dlfcn.h>
#include <unistd.h>

#include <mutex>
#endif

namespace ostrel {
namespace {

namespace fs = std::filesystem;

std::vector<std::string> namesIn(const fs::path& folder) {
  std::vector<std::string> names;
  for (const auto& entry : fs::directory_iterator(folder)) names.push_back(entry.path().filename().string());
  std::sort(names.begin(), names.end());
  return names;
}

TEST(DownloadFile, LeftoversOfCutDownloadsAreRemovedAtStartUp) {
  test::TempDir data;
  ProfileLibrary library;
  library.basePath = data.path().string() + "/";
  ASSERT_TRUE(library.ensureFolders());
  const char* folders[] = {"Version", "Myprofile", "Keltoprofile", "Downloadprofile"};
  for (const char* folder : folders) test::writeFile(data.path() / folder / ".download-3141592653-7.part", "cut");
  test::writeFile(data.path() / "Version/Ostrel.dfu", "old firmware");
  // A download in flight when the power went: its temporary file stays.
#ifdef _WIN32
  // Windows removes no file that is still open: there the leftover is closed,
  // as it is after a real power loss.
  test::writeFile(AtomicFile::temporaryFor(data.path() / "Version/Ostrel.dfu"), "new firm");
#else
  DownloadFile cut(data.path() / "Version/Ostrel.dfu");
  ASSERT_TRUE(cut.open());
  ASSERT_TRUE(cut.write("new firm", 8));
#endif

  ProfileLibrary nextRun;  // the next start-up
  nextRun.basePath = library.basePath;
  ASSERT_TRUE(nextRun.ensureFolders());
  EXPECT_EQ(namesIn(data.path() / "Version"), (std::vector<std::string>{"Ostrel.dfu", "version.klt"}));
  for (const char* folder : folders) EXPECT_EQ(namesIn(data.path() / folder).size(), folder[0] == 'V' ? 2u : 0u);
  EXPECT_EQ(test::readFile(data.path() / "Version/Ostrel.dfu"), "old firmware");
}

#ifndef _WIN32

// The C library's entry points seen from this program: which files are forced
// to the disk and which renames are made, in order.
std::mutex journalMutex;
std::vector<std::string>* journal = nullptr;

void note(const std::string& entry) {
  std::lock_guard lock(journalMutex);
  if (journal) journal->push_back(entry);
}

std::string pathOfDescriptor(int fd) {
  char target[4096];
  const std::string link = "/proc/self/fd/" + std::to_string(fd);
  const ssize_t length = ::readlink(link.c_str(), target, sizeof target - 1);
  return length < 0 ? std::string() : std::string(target, static_cast<std::size_t>(length));
}

}  // namespace
}  // namespace ostrel

extern "C" int fsync(int fd) {
  static const auto real = reinterpret_cast<int (*)(int)>(dlsym(RTLD_NEXT, "fsync"));
  ostrel::note("sync " + ostrel::pathOfDescriptor(fd));
  return real(fd);
}

extern "C" int rename(const char* from, const char* to) {
  static const auto real = reinterpret_cast<int (*)(const char*, const char*)>(dlsym(RTLD_NEXT, "rename"));
  ostrel::note(std::string("rename ") + from + " " + to);
  return real(from, to);
}

namespace ostrel {
namespace {

TEST(DownloadFile, ReachesTheDiskBeforeItReplacesItsDestination) {
  test::TempDir folder;
  const fs::path destination = fs::canonical(folder.path()) / "Ostrel.dfu";
  std::vector<std::string> calls;
  {
    std::lock_guard lock(journalMutex);
    journal = &calls;
  }
  DownloadFile download(destination);
  const bool written = download.open() && download.write("firmware", 8) && download.commit();
  {
    std::lock_guard lock(journalMutex);
    journal = nullptr;
  }
  ASSERT_TRUE(written);
  ASSERT_EQ(test::readFile(destination), "firmware");
  const auto renamed =
      std::find_if(calls.begin(), calls.end(), [](const std::string& c) { return c.starts_with("rename "); });
  ASSERT_NE(renamed, calls.end()) << testing::PrintToString(calls);
  const std::string temporary = renamed->substr(7, renamed->find(' ', 7) - 7);
  EXPECT_EQ(*renamed, "rename " + temporary + " " + destination.string());
  EXPECT_NE(std::find(calls.begin(), renamed, "sync " + temporary), renamed) << "the bytes before the rename";
  EXPECT_NE(std::find(renamed, calls.end(), "sync " + destination.parent_path().string()), calls.end())
      << "the folder entry after it: " << testing::PrintToString(calls);
}

#endif

}  // namespace
}  // namespace ostrel
