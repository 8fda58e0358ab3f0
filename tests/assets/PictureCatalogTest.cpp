// The catalog against the names the program itself computes: key pictures
// from the key tables, flags from the language table.

#include <gtest/gtest.h>

#include <set>

#include "pictures/PictureCatalog.h"
#include "profile/AppState.h"
#include "profile/KeyTables.h"

namespace ostrel {
namespace {

TEST(PictureCatalog, NamesAreUniqueAndSizesPositive) {
  std::set<std::string> names;
  for (const PictureEntry& entry : pictureCatalog()) {
    EXPECT_TRUE(names.insert(entry.name).second) << entry.name;
    EXPECT_GT(entry.width, 0) << entry.name;
    EXPECT_GT(entry.height, 0) << entry.name;
    const bool jpeg = entry.name.ends_with(".jpg");
    EXPECT_EQ(jpeg, entry.kind == PictureKind::Background) << entry.name;
  }
}

TEST(PictureCatalog, FullWindowPicturesAreFullWindow) {
  for (const PictureEntry& entry : pictureCatalog()) {
    if (entry.kind != PictureKind::Background && entry.kind != PictureKind::Overlay) continue;
    EXPECT_EQ(entry.width, 1280) << entry.name;
    EXPECT_EQ(entry.height, 720) << entry.name;
  }
}

// Every picture keyPicture can name for any VK exists in that layout's folder.
TEST(PictureCatalog, CoversEveryKeyPictureOfEveryLayout) {
  int pictures = 0;
  for (int layout = 0; layout < kLayoutCount; ++layout) {
    const std::string folder = layoutFolder(layout);
    for (int vk = 0; vk <= 255; ++vk) {
      const KeyPicture key = keyPicture(layout, vk);
      if (key.kind != KeyPicture::Picture) continue;
      ++pictures;
      const PictureEntry* entry = findPicture("Screen5/" + key.text);
      ASSERT_NE(entry, nullptr) << key.text;
      const std::vector<std::string> paths = entry->paths();
      EXPECT_NE(std::find(paths.begin(), paths.end(), folder + "Screen5/" + key.text), paths.end())
          << key.text << " in " << folder;
      EXPECT_EQ(entry->width, 80);
      EXPECT_EQ(entry->height, 40);
    }
  }
  EXPECT_GT(pictures, 4 * 40);
}

TEST(PictureCatalog, CoversTheFirstScreensFlags) {
  for (int language = 0; language < kLanguageCount; ++language) {
    const std::string flag = languageFlag(language);
    const PictureEntry* entry = findPicture(flag.substr(4));  // below "res/"
    ASSERT_NE(entry, nullptr) << flag;
    EXPECT_EQ(entry->paths(), std::vector<std::string>{flag});
    EXPECT_EQ(entry->width, 45);
    EXPECT_EQ(entry->height, 29);
  }
}

TEST(PictureCatalog, PathsFollowTheFolders) {
  const PictureEntry* home = findPicture("Screen-2.jpg");
  ASSERT_NE(home, nullptr);
  EXPECT_EQ(home->paths().size(), 7u);
  EXPECT_EQ(home->paths().front(), "res/English/Screen-2.jpg");
  EXPECT_EQ(home->paths().back(), "res/Portuguese/Screen-2.jpg");
  const PictureEntry* french = findPicture("Screen5/FR-3.png");
  ASSERT_NE(french, nullptr);
  EXPECT_EQ(french->paths(), std::vector<std::string>{"res/French/Screen5/FR-3.png"});
  const PictureEntry* next = findPicture("next.png");
  ASSERT_NE(next, nullptr);
  EXPECT_EQ(next->fileWidth(), 96);
  EXPECT_EQ(next->paths(), std::vector<std::string>{"res/next.png"});
  EXPECT_EQ(findPicture("Screen2/none.png"), nullptr);
}

}  // namespace
}  // namespace ostrel
