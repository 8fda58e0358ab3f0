// Data folders, first run, slot list, version file and name lists.
#include <gtest/gtest.h>

#include <string>

#include "LibraryTestFolder.h"
#include "library/Scrambler.h"
#include "library/ValueText.h"
#include "profile/ProfileRecord.h"

namespace ostrel {
namespace {

using testing::LibraryTest;

std::string defaultBody() { return bodyText(defaultProfile.data(), defaultProfile.size()); }

TEST_F(LibraryTest, FirstRunMakesFoldersVersionDefaultProfileAndSlotList) {
  ASSERT_TRUE(lib->ensureFolders());
  EXPECT_TRUE(lib->problem().empty());
  for (const char* folder : {"Version", "Myprofile", "Keltoprofile", "Downloadprofile"}) {
    EXPECT_TRUE(std::filesystem::is_directory(file(folder))) << folder;
  }
  EXPECT_EQ(read("Version/version.klt"), "1.00");

  EXPECT_EQ(lib->getSlotName(2), "Default");
  EXPECT_EQ(read("Myprofile/Profile.klt"), "Default\r\nDefault\r\nDefault\r\nDefault");
  EXPECT_EQ(read("Myprofile/Profile.klt").size(), 34u);
  EXPECT_EQ(read("Myprofile/Name.klt"), "Default");
  EXPECT_EQ(unscrambleBytes(read("Myprofile/Default.klt"), deriveScrambleKey()), defaultBody());
  EXPECT_EQ(lib->getSlotName(2), "Default");
  EXPECT_EQ(lib->getSlotName(4), "");

  write("Version/version.klt", "0.5");
  ASSERT_TRUE(lib->ensureFolders());
  EXPECT_EQ(read("Version/version.klt"), "0.5");
}

// An installed program's data root is the user's data folder, which is not
// there before the first run, and its parent may be missing too.
TEST_F(LibraryTest, FirstRunMakesAMissingDataRootWithItsParents) {
  const std::filesystem::path missing = root / "share" / "ostrel-controller";
  lib->basePath = missing.string() + testing::separator;
  ASSERT_TRUE(lib->ensureFolders());
  EXPECT_TRUE(lib->problem().empty());
  EXPECT_TRUE(std::filesystem::is_directory(missing / "Myprofile"));
  EXPECT_EQ(testing::readAll(missing / "Version" / "version.klt"), "1.00");
}

// A Default profile the user edited survives a lost slot list.
TEST_F(LibraryTest, FirstRunKeepsAnExistingDefaultProfile) {
  ASSERT_TRUE(lib->ensureFolders());
  write("Myprofile/Default.klt", "7.000000\r\n");
  EXPECT_EQ(lib->getSlotName(0), "Default");
  EXPECT_EQ(read("Myprofile/Default.klt"), "7.000000\r\n");
  EXPECT_EQ(read("Myprofile/Profile.klt").size(), 34u);
  EXPECT_FALSE(has("Myprofile/Name.klt"));
}

TEST_F(LibraryTest, AssignSlotRewritesTheSlotList) {
  ASSERT_TRUE(lib->ensureFolders());
  EXPECT_FALSE(lib->assignSlot(1, "Ignored"));  // missing list: set-up only
  EXPECT_EQ(read("Myprofile/Profile.klt"), "Default\r\nDefault\r\nDefault\r\nDefault");

  EXPECT_TRUE(lib->assignSlot(1, "New"));
  EXPECT_EQ(read("Myprofile/Profile.klt"), "Default\r\nNew\r\nDefault\r\nDefault\r\n");
  EXPECT_EQ(lib->getSlotName(1), "New");
  EXPECT_FALSE(lib->assignSlot(7, "Far"));
  EXPECT_FALSE(lib->assignSlot(-1, "Far"));
  EXPECT_EQ(read("Myprofile/Profile.klt"), "Default\r\nNew\r\nDefault\r\nDefault\r\n");
  EXPECT_TRUE(lib->assignSlot(3, ""));
  EXPECT_EQ(lib->getSlotName(3), "");
}

TEST_F(LibraryTest, VersionFileKeepsItsLastLine) {
  ASSERT_TRUE(lib->ensureFolders());
  const struct { const char* content; const char* version; } cases[] = {
      {"1.00", "1.00"}, {"0.90\r\n1.20", "1.20"}, {"0.90\n1.30\r\n", "1.30"}, {"", ""},
  };
  for (const auto& c : cases) {
    write("Version/version.klt", c.content);
    EXPECT_EQ(lib->readVersion(), c.version) << c.content;
  }
  std::filesystem::remove(file("Version/version.klt"));
  EXPECT_EQ(lib->readVersion(), "1.00");
  EXPECT_EQ(read("Version/version.klt"), "1.00");
  std::filesystem::remove_all(file("Version"));
  EXPECT_TRUE(lib->writeVersion("2.05"));
  EXPECT_EQ(read("Version/version.klt"), "2.05");
}

TEST_F(LibraryTest, NameListsLoadUpToTheirCapacity) {
  ASSERT_TRUE(lib->ensureFolders());
  std::string many;
  for (int i = 0; i < 1005; ++i) many += "n" + std::to_string(i) + "\r\n";
  write("Myprofile/Name.klt", many);
  EXPECT_TRUE(lib->loadMyNames());
  EXPECT_EQ(lib->myCount, 1000);
  EXPECT_EQ(lib->myNames[999], "n999");

  write("Keltoprofile/Name.klt", "kelto-1\nkelto-2");
  EXPECT_TRUE(lib->loadMakerNames());
  EXPECT_EQ(lib->makerCount, 2);
  std::filesystem::remove(file("Keltoprofile/Name.klt"));
  EXPECT_FALSE(lib->loadMakerNames());
  EXPECT_EQ(lib->makerCount, 0);
  EXPECT_EQ(lib->makerNames[1], "kelto-2");  // stale entries stay
}

TEST_F(LibraryTest, DownloadListIsMadeWithKaiWhenMissing) {
  ASSERT_TRUE(lib->ensureFolders());
  lib->downloadCount = 5;
  EXPECT_FALSE(lib->readDownloadList("Name.klt"));
  EXPECT_EQ(lib->downloadCount, 0);
  EXPECT_EQ(read("Downloadprofile/Name.klt"), "kai");
  write("Downloadprofile/Name.klt", "kelto-a\r\nkelto-b\r\n");
  EXPECT_TRUE(lib->readDownloadList("Name.klt"));
  EXPECT_EQ(lib->downloadCount, 2);
  EXPECT_EQ(lib->downloadNames[1], "kelto-b");
}

// Tests run as root, so an unwritable data root is one below a regular file.
TEST_F(LibraryTest, UnwritableDataRootIsReportedAndNothingHangs) {
  testing::writeAll(root / "plain-file", "x");
  lib->basePath = (root / "plain-file").string() + "/";
  EXPECT_FALSE(lib->ensureFolders());
  EXPECT_NE(lib->problem().find(lib->basePath), std::string::npos);
  EXPECT_EQ(lib->getSlotName(0), "Default");
  lib->savedValues[0].fill(-1.0f);
  EXPECT_FALSE(lib->loadProfileIntoSlot(0, "Default"));
  EXPECT_EQ(lib->savedValues[0][0], defaultProfile[0]);  // the slot still gets the defaults
  EXPECT_FALSE(lib->createProfile("A"));
  EXPECT_FALSE(lib->saveSlotAs(0, "A"));
  EXPECT_FALSE(lib->writeVersion("1.10"));
  EXPECT_FALSE(lib->rebuildMyIndex());
  EXPECT_FALSE(lib->rebuildMakerIndex());
  EXPECT_EQ(testing::readAll(root / "plain-file"), "x");
}

// One folder that cannot be made takes neither the others nor the version
// file with it.
TEST_F(LibraryTest, EveryFolderThatCanBeMadeIsMade) {
  const std::string folders[] = {"Version", "Myprofile", "Keltoprofile", "Downloadprofile"};
  for (const std::string& blocked : folders) {
    for (const std::string& folder : folders) std::filesystem::remove_all(file(folder));
    write(blocked, "not a folder");
    EXPECT_FALSE(lib->ensureFolders()) << blocked;
    EXPECT_FALSE(lib->problem().empty());
    for (const std::string& folder : folders) {
      EXPECT_EQ(std::filesystem::is_directory(file(folder)), folder != blocked) << folder << " with " << blocked;
    }
    EXPECT_EQ(read("Version/version.klt"), blocked == "Version" ? "" : "1.00") << blocked;
  }
}

TEST_F(LibraryTest, OneFolderThatIsAFileMakesTheRootUnusable) {
  write("Keltoprofile", "not a folder");
  EXPECT_FALSE(lib->ensureFolders());
  EXPECT_FALSE(lib->problem().empty());
  std::filesystem::remove(file("Keltoprofile"));
  EXPECT_TRUE(lib->ensureFolders());
  EXPECT_TRUE(lib->problem().empty());
}

}  // namespace
}  // namespace ostrel
