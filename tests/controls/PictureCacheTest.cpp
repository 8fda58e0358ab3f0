#include "controls/PictureCache.h"

#include <gtest/gtest.h>

#include "PictureFolder.h"

namespace ostrel::test {
namespace {

QColor colourOf(const QPixmap& pixmap) { return pixmap.toImage().pixelColor(0, 0); }

TEST(PictureCache, ReadsEachPathOnceAndKeepsIt) {
  PictureFolder folder;
  folder.writeSolid("res/Tick-On.png", 4, 4, Qt::red);
  EXPECT_EQ(colourOf(folder.cache.picture("res/Tick-On.png")), QColor(Qt::red));
  // Changed on disk: the kept picture is served, also under another spelling.
  folder.writeSolid("res/Tick-On.png", 4, 4, Qt::green);
  EXPECT_EQ(colourOf(folder.cache.picture("res/Tick-On.png")), QColor(Qt::red));
  EXPECT_EQ(colourOf(folder.cache.picture("res//Tick-On.png")), QColor(Qt::red));
  EXPECT_EQ(colourOf(folder.cache.picture(folder.root() + "/res/Tick-On.png")), QColor(Qt::red));
  EXPECT_TRUE(folder.warnings.isEmpty());
}

TEST(PictureCache, FollowsTheLanguageFolder) {
  PictureFolder folder;
  folder.writeSolid("res/English/Screen8/ok.png", 4, 4, Qt::red);
  folder.writeSolid("res/French/Screen8/ok.png", 4, 4, Qt::green);
  folder.writeSolid("res/Tick-Off.png", 4, 4, Qt::red);
  EXPECT_EQ(colourOf(folder.cache.languagePicture("Screen8/ok.png")), QColor(Qt::red));
  EXPECT_EQ(colourOf(folder.cache.picture("res/Tick-Off.png")), QColor(Qt::red));

  folder.state.resourceFolder = "res/French/";
  EXPECT_EQ(colourOf(folder.cache.languagePicture("Screen8/ok.png")), QColor(Qt::green));

  // Back to English: its pictures were let go and are read again; pictures
  // outside the language folders were kept.
  folder.writeSolid("res/English/Screen8/ok.png", 4, 4, Qt::blue);
  folder.writeSolid("res/Tick-Off.png", 4, 4, Qt::blue);
  folder.state.resourceFolder = "res/English/";
  EXPECT_EQ(colourOf(folder.cache.picture("res/English/Screen8/ok.png")), QColor(Qt::blue));
  EXPECT_EQ(colourOf(folder.cache.picture("res/Tick-Off.png")), QColor(Qt::red));
}

TEST(PictureCache, MissingPictureIsNamedOncePerPath) {
  PictureFolder folder;
  EXPECT_TRUE(folder.cache.picture("res/English/Screen1/none.png").isNull());
  EXPECT_TRUE(folder.cache.languagePicture("Screen1/none.png").isNull());
  EXPECT_TRUE(folder.cache.picture("res/other.png").isNull());
  EXPECT_TRUE(folder.cache.picture("").isNull());  // "no picture" is not a fault
  ASSERT_EQ(folder.warnings.size(), 2);
  EXPECT_EQ(folder.warnings[0],
            "Missing picture: " + folder.root() + "/res/English/Screen1/none.png");
  EXPECT_TRUE(folder.warnings[1].endsWith("/res/other.png"));

  // A language change lets the picture be looked for again, but it is not
  // reported a second time.
  folder.writeSolid("res/Tick-On.png", 4, 4, Qt::red);
  folder.state.resourceFolder = "res/German/";
  folder.cache.picture("res/Tick-On.png");
  folder.state.resourceFolder = "res/English/";
  EXPECT_TRUE(folder.cache.picture("res/English/Screen1/none.png").isNull());
  EXPECT_EQ(folder.warnings.size(), 2);
}

TEST(PictureCache, DefaultWarningGoesToStandardError) {
  AppState state;
  PictureCache cache("/nonexistent-ostrel-root", state);
  testing::internal::CaptureStderr();
  cache.picture("res/Tick-On.png");
  cache.picture("res/Tick-On.png");
  EXPECT_EQ(testing::internal::GetCapturedStderr(),
            "Missing picture: /nonexistent-ostrel-root/res/Tick-On.png\n");
}

}  // namespace
}  // namespace ostrel::test
