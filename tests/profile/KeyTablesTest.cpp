#include "profile/KeyTables.h"

#include <gtest/gtest.h>

namespace ostrel {
namespace {

KeyPicture picture(const char* name) { return {KeyPicture::Picture, name}; }
KeyPicture label(const char* text) { return {KeyPicture::Label, text}; }

// What a code looks like on the button screen: code -> VK -> picture or label.
KeyPicture display(int layout, int code) { return keyPicture(layout, usageToKey(layout, code)); }

TEST(KeyTables, CodesShownPerLayout) {
  struct Case { int layout; int code; KeyPicture shows; };
  const Case cases[] = {
      {kAzerty, 4, label("Q")},        {kQwerty, 4, label("A")},
      {kQwertzu, 28, label("Z")},      {kQwertzu, 29, label("Y")},
      {kAzerty, 207, picture("FR-3.png")},
      {kAzerty, 16, label("?")},       {kQwerty, 54, label(",")},
      {kQwerty, 46, label("=")},       {kQwertzu, 50, label("#")},
      {kQwertySp, 49, picture("ES_5.png")},
      {kQwertzu, 100, picture("DE_6.png")}, {kQwerty, 100, label("\\")},
      {kQwerty, 89, picture("end.png")},    {kQwerty, 93, KeyPicture{}},  // keypad 5 is Clear
      {kQwerty, 39, label("0")},       {kQwerty, 69, picture("F12.png")},
      {kQwerty, 85, label("*")},       {kQwerty, 71, picture("numlock.png")},
      {kQwerty, 238, picture("Mouse-WD.png")},
  };
  for (const auto& c : cases)
    EXPECT_EQ(display(c.layout, c.code), c.shows) << "layout " << c.layout << " code " << c.code;
}

TEST(KeyTables, NothingForCodesWithoutKey) {
  for (int layout = 0; layout < kLayoutCount; ++layout) {
    for (int code : {0, 1, 3, 102, 223, 239, 240, 241, 242, 1000, -5}) {
      EXPECT_EQ(usageToKey(layout, code), 0) << layout << " " << code;
      EXPECT_EQ(display(layout, code), KeyPicture{});
    }
    EXPECT_EQ(keyToUsage(layout, 0), 0);
  }
  EXPECT_EQ(usageToKey(kAzerty, 207), 0xDF);
  EXPECT_EQ(usageToKey(kQwerty, 207), 0);
  EXPECT_EQ(usageToKey(4, 4), 0);  // unknown layout
}

TEST(KeyTables, StoringAPressedKeyTakesTheFirstCode) {
  struct Case { int layout; int vk; int code; };
  const Case cases[] = {
      {kAzerty, 'A', 20},   {kAzerty, 'Q', 4},   {kAzerty, 0xDF, 207}, {kAzerty, 0xBF, 56},
      {kAzerty, 'M', 51},   {kQwertzu, 'Y', 29}, {kQwerty, 0x24, 74},  {kQwerty, 0x0D, 40},
      {kQwerty, 0x23, 77},  {kQwerty, 0x0C, 93}, {kAzerty, 0xE2, 100},
  };
  for (const auto& c : cases)
    EXPECT_EQ(keyToUsage(c.layout, c.vk), c.code) << c.layout << " vk " << c.vk;
  for (int layout = 0; layout < kLayoutCount; ++layout) {
    EXPECT_EQ(keyToUsage(layout, 0x11), 224);  // either Ctrl
    EXPECT_EQ(keyToUsage(layout, 0x10), 225);
    EXPECT_EQ(keyToUsage(layout, 0x12), 226);
    EXPECT_EQ(display(layout, 226), picture("alt.png"));
    EXPECT_EQ(keyToUsage(layout, 0x5C), 231);
  }
}

// A code survives the round trip exactly when it is the first code with its VK.
TEST(KeyTables, RoundTripKeepsOnlyFirstCodes) {
  for (int layout = 0; layout < kLayoutCount; ++layout) {
    for (int code = 4; code <= kMaxKeyCode; ++code) {
      const int vk = usageToKey(layout, code);
      if (vk == 0) continue;
      const int back = keyToUsage(layout, vk);
      EXPECT_LE(back, code);
      EXPECT_EQ(usageToKey(layout, back), vk);
    }
    EXPECT_EQ(keyToUsage(layout, usageToKey(layout, 89)), 77);    // keypad 1 -> End
    EXPECT_EQ(keyToUsage(layout, usageToKey(layout, 228)), 224);  // right Ctrl -> left
  }
}

TEST(KeyTables, LayoutFolders) {
  EXPECT_STREQ(layoutFolder(kAzerty), "res/French/");
  EXPECT_STREQ(layoutFolder(kQwerty), "res/English/");
  EXPECT_STREQ(layoutFolder(kQwertySp), "res/Spanish/");
  EXPECT_STREQ(layoutFolder(kQwertzu), "res/German/");
}

}  // namespace
}  // namespace ostrel
