// Operations on single profiles and the index lines they keep.
#include <gtest/gtest.h>

#include <string>

#include "LibraryTestFolder.h"
#include "library/Scrambler.h"
#include "library/TextLines.h"
#include "library/ValueText.h"
#include "profile/ProfileRecord.h"

namespace ostrel {
namespace {

class ProfileOperations : public testing::LibraryTest {
 protected:
  void SetUp() override {
    LibraryTest::SetUp();
    ASSERT_TRUE(lib->ensureFolders());
  }
  // The plain body of a stored profile; fails the test when it is not stored.
  std::string body(const std::string& relative) const {
    const auto plain = unscrambleBytes(read(relative), deriveScrambleKey());
    EXPECT_TRUE(plain) << relative << " is not stored scrambled";
    return plain.value_or("");
  }
  std::vector<std::string> lines(const std::string& relative) const {
    return splitLines(body(relative));
  }
  void storePlain(const std::string& relative, const std::string& text) const {
    write(relative, text);
  }
};

std::string defaultBody() { return bodyText(defaultProfile.data(), defaultProfile.size()); }

TEST_F(ProfileOperations, CreateProfileMakesDefaultsAndAnIndexLine) {
  EXPECT_TRUE(lib->createProfile("Alpha"));
  EXPECT_EQ(body("Myprofile/Alpha.klt"), defaultBody());
  EXPECT_EQ(lines("Myprofile/Alpha.klt").size(), 166u);
  EXPECT_TRUE(lib->createProfile("Beta"));
  EXPECT_EQ(read("Myprofile/Name.klt"), "Alpha\r\nBeta");

  const std::string before = read("Myprofile/Alpha.klt");
  EXPECT_FALSE(lib->createProfile("Alpha"));
  EXPECT_EQ(read("Myprofile/Alpha.klt"), before);
  EXPECT_EQ(read("Myprofile/Name.klt"), "Alpha\r\nBeta");

  EXPECT_TRUE(lib->createProfile("kelto-9"));
  EXPECT_TRUE(has("Keltoprofile/kelto-9.klt"));
  EXPECT_EQ(read("Keltoprofile/Name.klt"), "kelto-9");
}

// An index edited by hand is normalised by the next append.
TEST_F(ProfileOperations, AppendRewritesTheIndexWithCrLf) {
  write("Myprofile/Name.klt", "A\n\nB\r\n");
  EXPECT_TRUE(lib->addNameToIndex("C"));
  EXPECT_EQ(read("Myprofile/Name.klt"), "A\r\n\r\nB\r\nC");
  EXPECT_TRUE(lib->addNameToIndex("C"));  // duplicates are not prevented
  EXPECT_EQ(read("Myprofile/Name.klt"), "A\r\n\r\nB\r\nC\r\nC");
  EXPECT_TRUE(lib->addNameToIndex("Kelto Pro"));
  EXPECT_EQ(read("Keltoprofile/Name.klt"), "Kelto Pro");
}

TEST_F(ProfileOperations, DeleteProfileRemovesTheFileAndEveryIndexLine) {
  ASSERT_TRUE(lib->createProfile("A"));
  write("Myprofile/Name.klt", "A\r\nB\r\nA\r\nC\r\n");
  EXPECT_TRUE(lib->deleteProfile("A"));
  EXPECT_FALSE(has("Myprofile/A.klt"));
  EXPECT_EQ(read("Myprofile/Name.klt"), "B\r\nC");

  write("Myprofile/Name.klt", "Gone\r\nB");
  EXPECT_FALSE(lib->deleteProfile("Gone"));  // no file: index left alone
  EXPECT_EQ(read("Myprofile/Name.klt"), "Gone\r\nB");

  ASSERT_TRUE(lib->createProfile("kelto-1"));
  std::filesystem::remove(file("Keltoprofile/Name.klt"));
  EXPECT_TRUE(lib->deleteProfile("kelto-1"));
  EXPECT_FALSE(has("Keltoprofile/Name.klt"));
}

TEST_F(ProfileOperations, LoadOfAMissingProfileMakesItFromTheDefaults) {
  lib->savedValues[2].fill(-7.0f);
  EXPECT_TRUE(lib->loadProfileIntoSlot(2, "Fresh"));
  EXPECT_EQ(body("Myprofile/Fresh.klt"), defaultBody());
  EXPECT_FALSE(has("Myprofile/Name.klt"));
  for (std::size_t i = 0; i < kProfileSize; ++i) {
    EXPECT_EQ(lib->savedValues[2][i], defaultProfile[i]);
    EXPECT_EQ(lib->editValues[2][i], defaultProfile[i]);
  }
  EXPECT_EQ(lib->savedValues[2][166], -7.0f);
}

// A slot whose name the library refuses has no file to read; it must hold
// the defaults, not the rows an earlier profile (or nothing) left there.
TEST_F(ProfileOperations, ASlotWhoseNameIsRefusedHoldsTheDefaults) {
  const ProfileLibrary fresh;
  for (int slot = 0; slot < kLibrarySlots; ++slot) {
    for (std::size_t i = 0; i < kProfileSize; ++i) {
      ASSERT_EQ(fresh.savedValues[slot][i], defaultProfile[i]) << "slot " << slot << " value " << i;
      ASSERT_EQ(fresh.editValues[slot][i], defaultProfile[i]);
    }
  }
  for (const std::string name : {"Profile", "name", "CON", "a/b", ""}) {
    lib->editValues[1].fill(3.5f);
    ASSERT_TRUE(lib->saveSlotAs(1, "Mine"));
    ASSERT_TRUE(lib->loadProfileIntoSlot(1, "Mine"));
    const auto before = testing::snapshot(root);
    EXPECT_FALSE(lib->loadProfileIntoSlot(1, name)) << name;
    for (std::size_t i = 0; i < kProfileSize; ++i) {
      ASSERT_EQ(lib->savedValues[1][i], defaultProfile[i]) << name << " value " << i;
      ASSERT_EQ(lib->editValues[1][i], defaultProfile[i]) << name << " value " << i;
    }
    EXPECT_EQ(testing::snapshot(root), before) << name;
  }
}

// The reader takes what it finds: LF or CR LF, junk, short and long files.
TEST_F(ProfileOperations, LoadIsTolerantOfHandMadePlainFiles) {
  std::string longFile;
  for (int i = 0; i < 250; ++i) longFile += std::to_string(i) + "\n";
  const struct { std::string text; std::vector<float> expected; } cases[] = {
      {"1.5\r\n-2\r\n", {1.5f, -2.0f, 9.0f}},
      {"1.5\n-2", {1.5f, -2.0f, 9.0f}},
      {"x\n 3.25kg\n\n", {0.0f, 3.25f, 0.0f}},
      {"", {9.0f, 9.0f, 9.0f}},
  };
  for (const auto& c : cases) {
    lib->savedValues[0].fill(9.0f);
    lib->editValues[0].fill(9.0f);
    storePlain("Myprofile/Hand.klt", c.text);
    EXPECT_TRUE(lib->loadProfileIntoSlot(0, "Hand"));
    for (std::size_t i = 0; i < c.expected.size(); ++i) {
      EXPECT_EQ(lib->savedValues[0][i], c.expected[i]) << c.text << " line " << i;
      EXPECT_EQ(lib->editValues[0][i], c.expected[i]) << c.text << " line " << i;
    }
    EXPECT_EQ(body("Myprofile/Hand.klt"), joinLines(splitLines(c.text)));  // now stored
  }
  storePlain("Myprofile/Long.klt", longFile);
  lib->editValues[0].fill(9.0f);
  EXPECT_TRUE(lib->loadProfileIntoSlot(0, "Long"));
  EXPECT_EQ(lib->savedValues[0][199], 199.0f);
  EXPECT_EQ(lib->editValues[0][200], 9.0f);  // lines past 199 are not stored
  EXPECT_EQ(lines("Myprofile/Long.klt").size(), 250u);
}

TEST_F(ProfileOperations, LoadOfAStoredProfileLeavesItsBytes) {
  ASSERT_TRUE(lib->createProfile("A"));
  const std::string stored = read("Myprofile/A.klt");
  lib->beforeReplace = [](const auto&, const auto&) {
    ADD_FAILURE() << "a load of a stored profile rewrote it";
    return true;
  };
  EXPECT_TRUE(lib->loadProfileIntoSlot(1, "A"));
  EXPECT_EQ(read("Myprofile/A.klt"), stored);
}

TEST_F(ProfileOperations, SetProfileValueReplacesOneLine) {
  ASSERT_TRUE(lib->createProfile("A"));
  EXPECT_TRUE(lib->setProfileValue(0, "A", 165, "1"));
  auto expected = splitLines(defaultBody());
  expected[165] = "1";
  EXPECT_EQ(lines("Myprofile/A.klt"), expected);
  EXPECT_EQ(lib->savedValues[0][165], 1.0f);
  EXPECT_EQ(lib->editValues[0][165], 1.0f);

  const std::string before = body("Myprofile/A.klt");
  EXPECT_FALSE(lib->setProfileValue(0, "A", 166, "5"));
  EXPECT_FALSE(lib->setProfileValue(0, "A", -1, "5"));
  EXPECT_FALSE(lib->setProfileValue(4, "A", 0, "5"));
  EXPECT_FALSE(lib->setProfileValue(0, "A", 0, "5\r\n6"));
  EXPECT_EQ(body("Myprofile/A.klt"), before);
}

TEST_F(ProfileOperations, SetProfileValueLeavesMakerAndMissingProfiles) {
  ASSERT_TRUE(lib->createProfile("Kelto Pro"));
  const std::string maker = read("Keltoprofile/Kelto Pro.klt");
  lib->savedValues[0].fill(4.0f);
  EXPECT_FALSE(lib->setProfileValue(0, "Kelto Pro", 0, "9"));
  EXPECT_EQ(read("Keltoprofile/Kelto Pro.klt"), maker);
  EXPECT_EQ(lib->savedValues[0][0], 4.0f);

  EXPECT_FALSE(lib->setProfileValue(0, "Ghost", 0, "9"));
  EXPECT_EQ(read("Myprofile/Ghost.klt"), "");
  EXPECT_EQ(lib->savedValues[0][0], 4.0f);
}

TEST_F(ProfileOperations, StorePadProfileFilesThePadValues) {
  for (int i = 0; i < 1000; ++i) lib->padValues[3][i] = static_cast<float>(i) / 4;
  EXPECT_FALSE(lib->storePadProfile(3, ""));
  EXPECT_FALSE(has("Myprofile/.klt"));

  EXPECT_TRUE(lib->storePadProfile(3, "Pad"));
  const auto stored = lines("Myprofile/Pad.klt");
  ASSERT_EQ(stored.size(), 166u);
  EXPECT_EQ(stored[5], "1.250000");
  EXPECT_EQ(read("Myprofile/Name.klt"), "Pad");
  EXPECT_EQ(lib->savedValues[3][165], 165.0f / 4);
  EXPECT_EQ(lib->editValues[3][165], 165.0f / 4);
  EXPECT_FALSE(lib->storePadProfile(4, "Pad"));
}

TEST_F(ProfileOperations, SaveSlotAsWritesTheEditedValuesOverTheFilesLines) {
  lib->editValues[1].fill(0.5f);
  EXPECT_TRUE(lib->saveSlotAs(1, "Mine"));
  EXPECT_EQ(lines("Myprofile/Mine.klt"), std::vector<std::string>(166, "0.500000"));
  EXPECT_EQ(lib->savedValues[1][165], 0.5f);

  storePlain("Myprofile/Short.klt", "1\r\n2\r\n");
  lib->editValues[1][0] = -3.0f;
  EXPECT_TRUE(lib->saveSlotAs(1, "Short"));
  EXPECT_EQ(body("Myprofile/Short.klt"), "-3.000000\r\n0.500000\r\n");
}

TEST_F(ProfileOperations, CopyProfileAlwaysCopiesIntoTheUserFolder) {
  ASSERT_TRUE(lib->createProfile("kelto-1"));
  ASSERT_TRUE(lib->createProfile("Mine"));
  EXPECT_TRUE(lib->copyProfile("kelto-1", "Copy"));
  EXPECT_EQ(read("Myprofile/Copy.klt"), read("Keltoprofile/kelto-1.klt"));
  EXPECT_EQ(read("Myprofile/Name.klt"), "Mine\r\nCopy");

  EXPECT_FALSE(lib->copyProfile("Mine", "Copy"));     // new name taken in Myprofile
  EXPECT_FALSE(lib->copyProfile("Missing", "Other"));
  EXPECT_FALSE(has("Myprofile/Other.klt"));
  EXPECT_TRUE(lib->copyProfile("Mine", "kelto-1"));   // Keltoprofile's file does not matter
  EXPECT_TRUE(has("Myprofile/kelto-1.klt"));

  std::filesystem::remove(file("Myprofile/Name.klt"));
  EXPECT_TRUE(lib->copyProfile("Mine", "Unlisted"));
  EXPECT_FALSE(has("Myprofile/Name.klt"));
}

TEST_F(ProfileOperations, RegisterMakerProfileNeverListsTwice) {
  EXPECT_FALSE(lib->registerMakerProfile("kelto-5"));  // not fetched
  EXPECT_FALSE(has("Keltoprofile/Name.klt"));
  write("Keltoprofile/kelto-5.klt", "x");
  EXPECT_TRUE(lib->registerMakerProfile("kelto-5"));
  EXPECT_TRUE(lib->registerMakerProfile("kelto-5"));
  EXPECT_EQ(read("Keltoprofile/Name.klt"), "kelto-5");
  write("Keltoprofile/Name.klt", "kelto-1\r\n");
  EXPECT_TRUE(lib->registerMakerProfile("kelto-5"));
  EXPECT_EQ(read("Keltoprofile/Name.klt"), "kelto-1\r\nkelto-5");
}

// A crash between the finished temporary file and the rename: the profile
// keeps its old stored bytes, and the temporary file held the complete new
// stored bytes.
TEST_F(ProfileOperations, CrashDuringASaveLeavesTheOldStoredFile) {
  ASSERT_TRUE(lib->createProfile("A"));
  const std::string old = read("Myprofile/A.klt");
  lib->editValues[0].fill(8.0f);
  std::string temporaryBytes;
  lib->beforeReplace = [&](const std::filesystem::path& temporary, const std::filesystem::path&) {
    temporaryBytes = testing::readAll(temporary);
    return false;
  };
  EXPECT_FALSE(lib->saveSlotAs(0, "A"));
  EXPECT_EQ(read("Myprofile/A.klt"), old);
  EXPECT_EQ(unscrambleBytes(temporaryBytes, deriveScrambleKey()),
            joinLines(std::vector<std::string>(166, "8.000000")));
}

}  // namespace
}  // namespace ostrel
