// Rebuilding the name indexes: moves between folders, the cross cases, and
// equality with the step-by-step appends the files are defined by.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "LibraryTestFolder.h"
#include "library/TextLines.h"

namespace ostrel {
namespace {

namespace fs = std::filesystem;

std::vector<std::string> sorted(std::vector<std::string> lines) {
  std::sort(lines.begin(), lines.end());
  return lines;
}

class Rebuild : public testing::LibraryTest {
 protected:
  void SetUp() override {
    LibraryTest::SetUp();
    ASSERT_TRUE(lib->ensureFolders());
  }
  std::vector<std::string> indexLines(const std::string& relative) const {
    return sorted(splitLines(read(relative)));
  }
};

TEST_F(Rebuild, MyIndexListsProfilesAndMovesKeltoDashFiles) {
  for (const char* name : {"Default.klt", "Profile.klt", "a.klt.klt", "Kelto Pro.klt", "kelto-7.klt",
                           "notes.txt", "x.klt.bak"}) {
    write(std::string("Myprofile/") + name, name);
  }
  fs::create_directory(file("Myprofile/folder.klt"));
  write("Myprofile/Name.klt", "Stale");
  write("Keltoprofile/kelto-7.klt", "older maker copy");
  write("Keltoprofile/Name.klt", "kelto-1");

  EXPECT_TRUE(lib->rebuildMyIndex());
  EXPECT_EQ(indexLines("Myprofile/Name.klt"), (std::vector<std::string>{"Default", "a", "x.bak"}));
  EXPECT_FALSE(has("Myprofile/kelto-7.klt"));
  EXPECT_EQ(read("Keltoprofile/kelto-7.klt"), "kelto-7.klt");
  // "Kelto Pro" has no "kelto-": it stays, but its prefix lists it with the maker.
  EXPECT_TRUE(has("Myprofile/Kelto Pro.klt"));
  EXPECT_EQ(read("Keltoprofile/Name.klt"), "kelto-1\r\nKelto Pro");
  EXPECT_TRUE(has("Myprofile/notes.txt"));
}

TEST_F(Rebuild, MakerIndexListsKeltoDashFilesAndMovesTheRest) {
  for (const char* name : {"kelto-1.klt", "kelto-2.klt", "my kelto-2.klt", "Other.klt"}) {
    write(std::string("Keltoprofile/") + name, name);
  }
  write("Keltoprofile/Name.klt", "Stale");
  write("Myprofile/Name.klt", "Default");

  EXPECT_TRUE(lib->rebuildMakerIndex());
  EXPECT_EQ(indexLines("Keltoprofile/Name.klt"), (std::vector<std::string>{"kelto-1", "kelto-2"}));
  EXPECT_EQ(read("Myprofile/Other.klt"), "Other.klt");
  EXPECT_FALSE(has("Keltoprofile/Other.klt"));
  // "my kelto-2" stays with the maker files but its prefix lists it as the user's.
  EXPECT_TRUE(has("Keltoprofile/my kelto-2.klt"));
  EXPECT_EQ(read("Myprofile/Name.klt"), "Default\r\nmy kelto-2");

  // The moved file is listed only by the next rebuild of the user's index.
  EXPECT_TRUE(lib->rebuildMyIndex());
  EXPECT_EQ(indexLines("Myprofile/Name.klt"), (std::vector<std::string>{"Other"}));
}

// A file whose name no operation may use stays where it is, unlisted: moved
// into the user's folder, "profile.klt" would replace the slot list wherever
// letter case does not count. (Only names that can stand side by side on
// such a file system, too.)
TEST_F(Rebuild, FilesNamedLikeTheLibrarysOwnAreNeitherMovedNorListed) {
  write("Myprofile/Profile.klt", "Default\r\nDefault\r\nDefault\r\nDefault\r\n");
  write("Myprofile/Name.klt", "Default");
  write("Myprofile/Default.klt", "1");
  write("Myprofile/a..klt", "trailing dot");
  write("Keltoprofile/profile.klt", "maker file named like the slot list");
  write("Keltoprofile/a..klt", "trailing dot");
  const std::vector<std::string> watched = {"Myprofile/Profile.klt", "Myprofile/a..klt", "Keltoprofile/profile.klt",
                                            "Keltoprofile/a..klt"};
  std::vector<std::string> before;
  for (const auto& relative : watched) before.push_back(read(relative));

  EXPECT_TRUE(lib->rebuildMakerIndex());
  EXPECT_TRUE(lib->rebuildMyIndex());
  for (std::size_t i = 0; i < watched.size(); ++i) {
    EXPECT_TRUE(has(watched[i])) << watched[i];
    EXPECT_EQ(read(watched[i]), before[i]) << watched[i];
  }
  EXPECT_EQ(indexLines("Myprofile/Name.klt"), (std::vector<std::string>{"Default"}));
  EXPECT_FALSE(has("Keltoprofile/Name.klt"));
}

TEST_F(Rebuild, EmptyFoldersLeaveNoIndex) {
  write("Keltoprofile/Name.klt", "Stale");
  EXPECT_TRUE(lib->rebuildMakerIndex());
  EXPECT_FALSE(has("Keltoprofile/Name.klt"));
  write("Myprofile/Name.klt", "Stale");
  EXPECT_TRUE(lib->rebuildMyIndex());
  EXPECT_FALSE(has("Myprofile/Name.klt"));
}

// The step-by-step append the index files are defined by: read all lines,
// write each followed by CR LF, add the name, strip the trailing line ends.
void appendStepByStep(const fs::path& index, const std::string& name) {
  std::string text;
  if (fs::exists(index)) text = joinLines(splitLines(testing::readAll(index)));
  text += name;
  while (!text.empty() && (text.back() == '\r' || text.back() == '\n')) text.pop_back();
  testing::writeAll(index, text);
}

void rebuildStepByStep(const fs::path& base, bool maker, const std::vector<std::string>& listing) {
  const std::string folder = maker ? "Keltoprofile/" : "Myprofile/";
  const std::string other = maker ? "Myprofile/" : "Keltoprofile/";
  fs::remove(base / folder / "Name.klt");
  for (const auto& file : listing) {
    if (file == "Name.klt" || (!maker && file == "Profile.klt")) continue;
    if (file.find(".klt") == std::string::npos) continue;
    if ((file.find("kelto-") != std::string::npos) != maker) {
      fs::copy_file(base / folder / file, base / other / file, fs::copy_options::overwrite_existing);
      fs::remove(base / folder / file);
      continue;
    }
    std::string name = file;
    for (auto at = name.find(".klt"); at != std::string::npos; at = name.find(".klt")) name.erase(at, 4);
    const bool makerName = name.rfind("kelto", 0) == 0 || name.rfind("Kelto", 0) == 0;
    appendStepByStep(base / (makerName ? "Keltoprofile/" : "Myprofile/") / "Name.klt", name);
  }
}

std::vector<std::string> listing(const fs::path& folder) {
  std::vector<std::string> names;
  for (const auto& entry : fs::directory_iterator(folder)) names.push_back(entry.path().filename().string());
  return names;
}

TEST_F(Rebuild, BatchedIndexesEqualStepByStepAppends) {
  write("Keltoprofile/Name.klt", "hand\n\nmade\r\n");
  write("Myprofile/Name.klt", "old\r\n");
  for (int i = 0; i < 40; ++i) {
    const std::string n = std::to_string(i);
    write("Myprofile/user " + n + ".klt", n);
    write("Myprofile/Kelto " + n + ".klt", n);
    write("Myprofile/kelto-m" + n + ".klt", n);
    write("Keltoprofile/kelto-" + n + ".klt", n);
    write("Keltoprofile/my kelto-" + n + ".klt", n);
    write("Keltoprofile/stray " + n + ".klt", n);
  }
  const fs::path reference = root / "reference";
  fs::copy(data, reference, fs::copy_options::recursive);

  rebuildStepByStep(reference, false, listing(data / "Myprofile"));
  EXPECT_TRUE(lib->rebuildMyIndex());
  rebuildStepByStep(reference, true, listing(data / "Keltoprofile"));
  EXPECT_TRUE(lib->rebuildMakerIndex());
  EXPECT_EQ(testing::snapshot(data), testing::snapshot(reference));
}

}  // namespace
}  // namespace ostrel
