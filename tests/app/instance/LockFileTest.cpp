// The lock file's place and the refusals that keep other users out of it.

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cstdlib>
#include <filesystem>
#include <optional>
#include <string>

#include "TempDir.h"
#include "app/instance/LockFileInstanceLock.h"
#include "app/instance/UserRuntimeFolder.h"

namespace ostrel {
namespace {

namespace fs = std::filesystem;

class LockFileTest : public ::testing::Test {
 protected:
  fs::path shared() const { return folder.path() / "shared"; }
  fs::path fallback() const { return shared() / ("ostrel-controller-" + std::to_string(::geteuid())); }
  std::optional<fs::path> runtimeFolder(const char* runtimeDir) {
    return userRuntimeFolder(runtimeDir, shared(), problem);
  }
  void SetUp() override {
    fs::create_directory(shared());
    fs::create_directory(folder.path() / "session");
  }

  test::TempDir folder;
  std::string problem;
};

TEST_F(LockFileTest, SessionFolderWhenUsableElseAPrivateOne) {
  const std::string session = (folder.path() / "session").string();
  const std::string missing = (folder.path() / "missing").string();
  struct Case {
    const char* runtimeDir;
    fs::path expected;
  } cases[] = {
      {session.c_str(), session},
      {nullptr, fallback()},
      {"", fallback()},
      {"session", fallback()},  // relative: not a place to trust
      {missing.c_str(), fallback()},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.runtimeDir ? c.runtimeDir : "(unset)");
    EXPECT_EQ(runtimeFolder(c.runtimeDir), c.expected);
  }
  struct stat info {};
  ASSERT_EQ(::lstat(fallback().c_str(), &info), 0);
  EXPECT_EQ(info.st_mode & 0777, 0700u);
}

TEST_F(LockFileTest, AFallbackFolderOthersCouldReachIsRefused) {
  fs::create_directory(fallback());
  fs::permissions(fallback(), fs::perms::all);
  EXPECT_EQ(runtimeFolder(nullptr), std::nullopt);
  EXPECT_NE(problem.find(fallback().string()), std::string::npos);

  fs::remove(fallback());
  fs::create_directory(folder.path() / "elsewhere");
  fs::permissions(folder.path() / "elsewhere", fs::perms::owner_all, fs::perm_options::replace);
  fs::create_directory_symlink(folder.path() / "elsewhere", fallback());
  EXPECT_EQ(runtimeFolder(nullptr), std::nullopt);

  fs::remove(fallback());
  fs::create_directory(shared() / "plain");
  problem.clear();
  EXPECT_EQ(userRuntimeFolder(nullptr, shared() / "plain" / "absent", problem), std::nullopt);
  EXPECT_FALSE(problem.empty());
}

TEST_F(LockFileTest, ALinkInPlaceOfTheLockFileIsNotFollowed) {
  test::writeFile(folder.path() / "victim", "keep");
  fs::create_symlink(folder.path() / "victim", folder.path() / "Probe.lock");
  LockFileInstanceLock lock("Probe", folder.path());
  EXPECT_EQ(lock.acquire(), InstanceLockResult::Unavailable);
  EXPECT_NE(lock.problem().find("Probe.lock"), std::string::npos);
  EXPECT_EQ(test::readFile(folder.path() / "victim"), "keep");
}

TEST_F(LockFileTest, WithoutAFolderTheLockLivesInTheSessionFolder) {
  const char* saved = std::getenv("XDG_RUNTIME_DIR");
  const std::string restore = saved ? saved : "";
  ::setenv("XDG_RUNTIME_DIR", (folder.path() / "session").c_str(), 1);
  {
    LockFileInstanceLock lock("Probe", {});
    EXPECT_EQ(lock.acquire(), InstanceLockResult::Acquired);
  }
  if (saved) {
    ::setenv("XDG_RUNTIME_DIR", restore.c_str(), 1);
  } else {
    ::unsetenv("XDG_RUNTIME_DIR");
  }
  EXPECT_TRUE(fs::is_regular_file(folder.path() / "session" / "Probe.lock"));
}

}  // namespace
}  // namespace ostrel
