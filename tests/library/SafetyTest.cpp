// Names that could leave their folder, the data root, and two threads at once.
#include <gtest/gtest.h>

#include <string>
#include <thread>

#include "LibraryTestFolder.h"
#include "library/DataRoot.h"
#include "library/SafeName.h"

namespace ostrel {
namespace {

using testing::LibraryTest;
using testing::snapshot;

TEST(SafeName, RefusesNamesThatLeaveTheFolderOrCannotBeFileNames) {
  const std::string unsafe[] = {"", ".", "..", "../x", "a/b", "a\\b", "/abs", std::string("a\0b", 3),
                                "a\nb", "a\rb", "\t", "a\x7f", "\x1f"};
  for (const auto& name : unsafe) EXPECT_FALSE(isSafeName(name)) << name;
  const std::string safe[] = {"Default", "kelto-2", "my kelto", ".hidden", "a..b", "Caf\xe9", "x.klt"};
  for (const auto& name : safe) EXPECT_TRUE(isSafeName(name)) << name;
}

TEST(SafeName, RefusesTheLibrarysOwnFilesAndWhatWindowsCannotStore) {
  const std::string unsafe[] = {
      // the slot list and the name index, in any letter case
      "Profile", "profile", "PROFILE", "Name", "name", "nAmE",
      // devices, with or without an extension
      "CON", "con", "Prn", "aux", "NUL", "nul.txt", "Con.tar.gz", "AUX .txt", "COM1", "com9", "Lpt1",
      "LPT9.klt", "COM\xB9", "lpt\xB3",
      // a trailing dot or space
      "...", "a.", "Pad 1 ", " ",
      // characters a Windows file name cannot hold
      "a:b", "C:", "a*", "what?", "say \"hi\"", "<a>", "a>b", "a|b"};
  for (const auto& name : unsafe) EXPECT_FALSE(isSafeName(name)) << name;
  const std::string safe[] = {"Profiles", "Profile 2", "My Name", "Names", "Name.klt", "CONSOLE", "Connect",
                              "COM10", "COM", "LPT", "NULL", "con-1", "nul_pad", " lead", "a. b", "Pad 1"};
  for (const auto& name : safe) EXPECT_TRUE(isSafeName(name)) << name;
}

TEST_F(LibraryTest, HostileNamesTouchNothing) {
  ASSERT_TRUE(lib->ensureFolders());
  ASSERT_EQ(lib->getSlotName(0), "Default");  // the slot list, the name index and "Default"
  testing::writeAll(root / "x.klt", "outside");
  write("x.klt", "beside the folders");
  write("Myprofile/a.klt", "sub");  // what "../a" from Keltoprofile would reach
  const auto before = snapshot(root);
  const auto tablesBefore = lib->savedValues;

  const std::string hostile[] = {"../x", "../../x", "a/b", "..", ".", "a\\b", "", "../Myprofile/a",
                                 "kelto/../../x", std::string("x\0y", 3), "line\nbreak",
                                 "Profile", "profile", "NAME", "Name", "CON", "nul.txt", "a:b", "Pad."};
  for (const auto& name : hostile) {
    EXPECT_FALSE(lib->createProfile(name)) << name;
    EXPECT_FALSE(lib->deleteProfile(name)) << name;
    EXPECT_FALSE(lib->loadProfileIntoSlot(0, name)) << name;
    EXPECT_FALSE(lib->setProfileValue(0, name, 0, "9")) << name;
    EXPECT_FALSE(lib->storePadProfile(0, name)) << name;
    EXPECT_FALSE(lib->saveSlotAs(0, name)) << name;
    EXPECT_FALSE(lib->copyProfile(name, "copy")) << name;
    EXPECT_FALSE(lib->copyProfile("Default", name)) << name;
    EXPECT_FALSE(lib->registerMakerProfile(name)) << name;
    EXPECT_FALSE(lib->addNameToIndex(name)) << name;
    EXPECT_FALSE(lib->readDownloadList(name)) << name;
  }
  EXPECT_EQ(snapshot(root), before);
  EXPECT_EQ(lib->savedValues, tablesBefore);
}

TEST_F(LibraryTest, SlotListRefusesNamesThatBreakItsLines) {
  ASSERT_TRUE(lib->ensureFolders());
  ASSERT_EQ(lib->getSlotName(0), "Default");
  const std::string before = read("Myprofile/Profile.klt");
  EXPECT_FALSE(lib->assignSlot(0, "two\r\nlines"));
  EXPECT_EQ(read("Myprofile/Profile.klt"), before);
}

TEST_F(LibraryTest, OperationsWithoutADataRootDoNothing) {
  lib->basePath.clear();
  EXPECT_FALSE(lib->ensureFolders());
  EXPECT_FALSE(lib->problem().empty());
  EXPECT_FALSE(lib->createProfile("Default"));
  EXPECT_EQ(lib->getSlotName(0), "");
  EXPECT_FALSE(lib->rebuildMyIndex());
  EXPECT_FALSE(std::filesystem::exists("Myprofile"));
}

TEST_F(LibraryTest, DataRootIsTheProgramFolderOnlyWithResBesideIt) {
  const std::string program = data.string();
  const std::string user = (root / "user").string();
  EXPECT_EQ(chooseDataRoot(program, user), user + testing::separator);
  EXPECT_EQ(chooseDataRoot(program + "/", user + "/"), user + "/");
  EXPECT_EQ(chooseDataRoot(program, ""), program + testing::separator);
  std::filesystem::create_directory(data / "res");
  EXPECT_EQ(chooseDataRoot(program, user), program + testing::separator);
  EXPECT_EQ(chooseDataRoot(program + "/", user), program + "/");
  EXPECT_EQ(chooseDataRoot(program + testing::separator, user), program + testing::separator);
}

// The link's thread files a received profile while the screens save and load.
TEST_F(LibraryTest, OperationsFromTwoThreadsAreSerialised) {
  ASSERT_TRUE(lib->ensureFolders());
  lib->padValues[1].fill(2.0f);
  lib->editValues[0].fill(3.0f);
  std::thread link([&] {
    for (int i = 0; i < 20; ++i) {
      lib->assignSlot(1, "Pad");
      lib->storePadProfile(1, "Pad");
    }
  });
  for (int i = 0; i < 20; ++i) {
    lib->saveSlotAs(0, "Mine");
    lib->loadProfileIntoSlot(0, "Mine");
    lib->rebuildMyIndex();
  }
  link.join();
  std::lock_guard<std::recursive_mutex> hold(lib->mutex());
  EXPECT_EQ(lib->savedValues[1][165], 2.0f);
  EXPECT_EQ(lib->savedValues[0][0], 3.0f);
  EXPECT_EQ(lib->getSlotName(1), "Pad");
}

}  // namespace
}  // namespace ostrel
