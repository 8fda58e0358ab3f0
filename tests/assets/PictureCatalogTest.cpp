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
  for (const PictureSpec& spec : pictureCatalog()) {
    EXPECT_TRUE(names.insert(spec.name).second) << spec.name;
    EXPECT_GT(spec.width, 0) << spec.name;
    EXPECT_GT(spec.height, 0) << spec.name;
    const bool jpeg = spec.name.ends_with(".jpg");
    EXPECT_EQ(jpeg, spec.kind == PictureKind::Background) << spec.name;
  }
}

TEST(PictureCatalog, FullWindowPicturesAreFullWindow) {
  for (const PictureSpec& spec : pictureCatalog()) {
    if (spec.kind != PictureKind::Background && spec.kind != PictureKind::Overlay) continue;
    EXPECT_EQ(spec.width, 1280) << spec.name;
    EXPECT_EQ(spec.height, 720) << spec.name;
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
      const PictureSpec* spec = findPicture("Screen5/" + key.text);
      ASSERT_NE(spec, nullptr) << key.text;
      const std::vector<std::string> paths = spec->paths();
      EXPECT_NE(std::find(paths.begin(), paths.end(), folder + "Screen5/" + key.text), paths.end())
          << key.text << " in " << folder;
      EXPECT_EQ(spec->width, 80);
      EXPECT_EQ(spec->height, 40);
    }
  }
  EXPECT_GT(pictures, 4 * 40);
}

TEST(PictureCatalog, CoversTheFirstScreensFlags) {
  for (int language = 0; language < kLanguageCount; ++language) {
    const std::string flag = languageFlag(language);
    const PictureSpec* spec = findPicture(flag.substr(4));  // below "res/"
    ASSERT_NE(spec, nullptr) << flag;
    EXPECT_EQ(spec->paths(), std::vector<std::string>{flag});
    EXPECT_EQ(spec->width, 45);
    EXPECT_EQ(spec->height, 29);
  }
}

TEST(PictureCatalog, PathsFollowTheFolders) {
  const PictureSpec* home = findPicture("Screen-2.jpg");
  ASSERT_NE(home, nullptr);
  EXPECT_EQ(home->paths().size(), 7u);
  EXPECT_EQ(home->paths().front(), "res/English/Screen-2.jpg");
  EXPECT_EQ(home->paths().back(), "res/Portuguese/Screen-2.jpg");
  const PictureSpec* french = findPicture("Screen5/FR-3.png");
  ASSERT_NE(french, nullptr);
  EXPECT_EQ(french->paths(), std::vector<std::string>{"res/French/Screen5/FR-3.png"});
  const PictureSpec* next = findPicture("next.png");
  ASSERT_NE(next, nullptr);
  EXPECT_EQ(next->fileWidth(), 96);
  EXPECT_EQ(next->paths(), std::vector<std::string>{"res/next.png"});
  EXPECT_EQ(findPicture("Screen2/none.png"), nullptr);
}

}  // namespace
}  // namespace ostrel
