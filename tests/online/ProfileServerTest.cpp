// The profile list and profile downloads, end to end against a real FTP
// server and the profile library.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ServedLibraryTest.h"
#include "library/LibraryFolders.h"
#include "online/ProfileServer.h"

namespace ostrel {
namespace {

using test::readFile;
using test::writeFile;
using Names = std::vector<std::string>;

class ProfileServer : public test::ServedLibraryTest {
 protected:
  void SetUp() override {
    ServedLibraryTest::SetUp();
    std::filesystem::remove_all(serverRoot() / "Profiles_PX720_LT");
  }
  static void offer(const std::string& name, const std::string& content) {
    writeFile(serverRoot() / (std::string(kServerProfileFolder) + name + ".klt"), content);
  }
  std::filesystem::path listFile() const { return local_.path() / kDownloadFolder / kIndexFile; }
  Names makerFiles() const {
    Names names;
    for (const auto& entry : std::filesystem::directory_iterator(local_.path() / kMakerFolder))
      names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
  }
  Names downloadList() {
    library_.readDownloadList(kIndexFile);
    return Names(library_.downloadNames.begin(), library_.downloadNames.begin() + library_.downloadCount);
  }
};

TEST_F(ProfileServer, ListIsFetchedForTheLibraryToRead) {
  writeFile(serverRoot() / kServerProfileList, "Kelto-Racing\r\nKelto-Shooter\r\nPuzzle\r\n");
  EXPECT_EQ(downloadProfileList(settings(), library_.basePath), kListFetched);
  EXPECT_EQ(readFile(listFile()), "Kelto-Racing\r\nKelto-Shooter\r\nPuzzle\r\n");
  EXPECT_EQ(downloadList(), (Names{"Kelto-Racing", "Kelto-Shooter", "Puzzle"}));
}

TEST_F(ProfileServer, ListMissingOnTheServerShowsEmpty) {
  writeFile(listFile(), "Old\r\n");
  EXPECT_EQ(downloadProfileList(settings(), library_.basePath), kListFetched);
  EXPECT_FALSE(std::filesystem::exists(listFile()));
  EXPECT_EQ(downloadList(), Names{});
}

TEST_F(ProfileServer, ListFromAnUnreachableServerIsNotFetched) {
  writeFile(listFile(), "Old\r\n");
  ServerSettings nowhere = settings();
  nowhere.port = test::closedLoopbackPort();
  EXPECT_EQ(downloadProfileList(nowhere, library_.basePath), kListNotFetched);
  EXPECT_EQ(downloadList(), Names{});
}

TEST_F(ProfileServer, ProfileArrivesAndCanBeRegistered) {
  const std::string body = test::patternBytes(2000);
  offer("Kelto-Racing", body);
  EXPECT_EQ(downloadProfile(settings(), library_.basePath, "Kelto-Racing"), kProfileFetched);
  EXPECT_EQ(readFile(local_.path() / kMakerFolder / "Kelto-Racing.klt"), body);
  EXPECT_TRUE(library_.registerMakerProfile("Kelto-Racing"));
  library_.loadMakerNames();
  ASSERT_EQ(library_.makerCount, 1);
  EXPECT_EQ(library_.makerNames[0], "Kelto-Racing");
}

TEST_F(ProfileServer, FailedTransferCountsAsFailed) {
  writeFile(local_.path() / kMakerFolder / "Kelto-Old.klt", "kept");
  EXPECT_EQ(downloadProfile(settings(), library_.basePath, "Kelto-Old"), kProfileFailed);
  EXPECT_EQ(readFile(local_.path() / kMakerFolder / "Kelto-Old.klt"), "kept");
  EXPECT_EQ(makerFiles(), (Names{"Kelto-Old.klt"}));
}

TEST_F(ProfileServer, RefusedLogonCountsAsFailed) {
  offer("Kelto-Racing", "body");
  EXPECT_EQ(downloadProfile(settings("WRONG_PASSWORD_0000"), library_.basePath, "Kelto-Racing"), kProfileFailed);
  EXPECT_EQ(makerFiles(), Names{});
}

// The server offers files under names that are not safe file names; they
// would be fetched if the name were not checked first.
TEST_F(ProfileServer, UnsafeNamesAreNeverFetched) {
  for (const std::string name : {"a\\b", "tab\there", "..", ".", ""}) {
    if (name != ".." && name != "." && !name.empty()) offer(name, "body");
    EXPECT_EQ(downloadProfile(settings(), library_.basePath, name), kProfileFailed) << name;
  }
  EXPECT_EQ(makerFiles(), Names{});
  EXPECT_FALSE(std::filesystem::exists(local_.path() / "Keltoprofile.klt"));
}

}  // namespace
}  // namespace ostrel
