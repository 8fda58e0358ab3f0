#include "profile/AppState.h"

#include <gtest/gtest.h>

#include <string>

namespace ostrel {
namespace {

TEST(AppState, StartupValues) {
  AppState s;
  s.LinkState = kPadConnected;
  s.slotOff = {1, 1, 0, 1};
  s.language = 4;
  s.resetToStartup();
  EXPECT_EQ(s.windowX, 0);
  EXPECT_EQ(s.windowY, 150);
  EXPECT_EQ(s.LinkState, kNoPad);
  EXPECT_EQ(s.language, 0);
  EXPECT_EQ(s.resourceFolder, "res/English/");
  EXPECT_EQ(s.slotOff, (std::array<uint8_t, 4>{}));
  EXPECT_EQ(s.keyboardLayout, (std::array<int32_t, 7>{1, 0, 3, 1, 2, 1, 1}));
}

TEST(AppState, LanguageTables) {
  EXPECT_STREQ(languageFolder(0), "res/English/");
  EXPECT_STREQ(languageFolder(3), "res/Nederlands/");
  EXPECT_STREQ(languageFolder(6), "res/Portuguese/");
  EXPECT_STREQ(languageFlag(6), "res/lang-7-por.png");
  for (int outside : {-1, 7, 100}) {
    EXPECT_STREQ(languageFolder(outside), "res/French/") << outside;
    EXPECT_EQ(languageFlag(outside), nullptr) << outside;
  }
}

TEST(AppState, KeyboardLayoutFollowsLanguage) {
  AppState s;
  s.resetToStartup();
  s.language = 2;
  EXPECT_EQ(s.currentKeyboardLayout(), 3);
  for (int outside : {-1, 7, 127}) {
    s.language = outside;
    EXPECT_EQ(s.currentKeyboardLayout(), 0) << outside;  // French: AZERTY
  }
}

TEST(AppState, ScreenIdOutsideRangeSelectsHome) {
  EXPECT_EQ(screenFor(0), kHomeScreen);
  EXPECT_EQ(screenFor(13), kHomeScreen);
  EXPECT_EQ(screenFor(kSaveNameScreen), kSaveNameScreen);
}

}  // namespace
}  // namespace ostrel
