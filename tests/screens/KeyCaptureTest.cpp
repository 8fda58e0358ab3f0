#include <QKeyEvent>

#include <gtest/gtest.h>

#include "profile/KeyTables.h"
#include "screens/KeyCapture.h"

namespace ostrel {
namespace {

// evdev codes of the keys below (linux/input-event-codes.h).
constexpr int kEvdevA = 30, kEvdevQ = 16, kEvdevW = 17, kEvdevY = 21, kEvdevZ = 44;
constexpr int kEvdevSemicolon = 39, kEvdevComma = 51, kEvdevDot = 52, kEvdevSlash = 53;
constexpr int kEvdevMinus = 12, kEvdevKp7 = 71, kEvdevKp5 = 76, kEvdevKpDot = 83;
constexpr int kEvdevEscape = 1, kEvdevSpace = 57, kEvdevLeftAlt = 56, kEvdevF10 = 68;

struct PhysicalCase {
  const char* what;
  int evdev;
  int layout;
  bool numLock;
  int vk;
  int code;  // what the layout's table stores for that VK
};

// The VK Windows gives each physical key under the layout, and the code the
// button screen then stores (keypad digits are stored after the screen's
// keypad rule, so they are checked as VKs only: code -1).
const PhysicalCase kPhysicalCases[] = {
    {"AZERTY '!'", kEvdevSlash, kAzerty, true, 0xDF, 207},
    {"AZERTY ':'", kEvdevDot, kAzerty, true, 0xBF, 56},
    {"AZERTY key labelled A", kEvdevQ, kAzerty, true, 'A', 20},
    {"AZERTY key labelled Q", kEvdevA, kAzerty, true, 'Q', 4},
    {"AZERTY key labelled M", kEvdevSemicolon, kAzerty, true, 'M', 51},
    {"AZERTY key labelled W", kEvdevZ, kAzerty, true, 'W', 29},
    {"AZERTY ';'", kEvdevComma, kAzerty, true, 0xBE, 54},
    {"AZERTY ')'", kEvdevMinus, kAzerty, true, 0xDB, 45},
    {"QWERTY key labelled A", kEvdevA, kQwerty, true, 'A', 4},
    {"QWERTY key labelled Q", kEvdevQ, kQwerty, true, 'Q', 20},
    {"QWERTY '/'", kEvdevSlash, kQwerty, true, 0xBF, 56},
    {"QWERTY ';'", kEvdevSemicolon, kQwerty, true, 0xBA, 51},
    {"QWERTY SP 'ñ'", kEvdevSemicolon, kQwertySp, true, 0xC0, 51},
    {"QWERTY SP '-'", kEvdevSlash, kQwertySp, true, 0xBD, 56},
    {"QWERTZU key labelled Z", kEvdevY, kQwertzu, true, 'Z', 28},
    {"QWERTZU key labelled Y", kEvdevZ, kQwertzu, true, 'Y', 29},
    {"QWERTZU key labelled W", kEvdevW, kQwertzu, true, 'W', 26},
    {"QWERTZU 'ö'", kEvdevSemicolon, kQwertzu, true, 0xC0, 51},
    {"keypad 7, Num Lock on", kEvdevKp7, kAzerty, true, 103, -1},
    {"keypad 7, Num Lock off", kEvdevKp7, kAzerty, false, 0x24, 74},
    {"keypad 5, Num Lock off", kEvdevKp5, kQwerty, false, 0x0C, 93},
    {"keypad point, Num Lock off", kEvdevKpDot, kQwerty, false, 0x2E, 76},
    {"Escape", kEvdevEscape, kQwertzu, true, 0x1B, 41},
    {"Space", kEvdevSpace, kQwertySp, true, 0x20, 44},
    {"left Alt", kEvdevLeftAlt, kQwerty, true, 0x12, 226},
    {"F10", kEvdevF10, kAzerty, true, 0x79, 67},
    {"an unknown layout counts as QWERTY", kEvdevA, 7, true, 'A', -1},
};

TEST(KeyCapture, PhysicalKeysGiveTheVirtualKeyOfTheChosenLayout) {
  for (const PhysicalCase& c : kPhysicalCases) {
    SCOPED_TRACE(c.what);
    const int vk = virtualKeyOfEvdev(c.evdev, c.layout, c.numLock);
    EXPECT_EQ(vk, c.vk);
    if (c.code >= 0) {
      EXPECT_EQ(keyToUsage(c.layout, vk), c.code);
    }
  }
}

TEST(KeyCapture, KeysWindowsHasNoVirtualKeyForGiveNothing) {
  for (int evdev : {0, -3, 84, 240, 255, 256, 100000}) {
    EXPECT_EQ(virtualKeyOfEvdev(evdev, kQwerty, true), 0) << evdev;
  }
}

// A key event as the desktop delivers it: X keycode = evdev code + 8.
QKeyEvent nativeEvent(int evdev, Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
  return QKeyEvent(QEvent::KeyRelease, key, modifiers, static_cast<quint32>(evdev + 8), 0, 0);
}

TEST(KeyCapture, EventsUseThePhysicalKeyNotTheDesktopsLayout) {
#if defined(Q_OS_LINUX)
  // The desktop runs QWERTY (Qt says Key_A), the chosen layout is AZERTY.
  EXPECT_EQ(capturedVirtualKey(nativeEvent(kEvdevA, Qt::Key_A), kAzerty), 'Q');
  EXPECT_EQ(capturedVirtualKey(nativeEvent(kEvdevSlash, Qt::Key_Slash), kAzerty), 0xDF);
  // The keypad follows what the desktop made of it: a digit with Num Lock
  // on, a navigation key with it off.
  EXPECT_EQ(capturedVirtualKey(nativeEvent(kEvdevKp7, Qt::Key_7, Qt::KeypadModifier), kQwerty), 103);
  EXPECT_EQ(capturedVirtualKey(nativeEvent(kEvdevKp7, Qt::Key_Home, Qt::KeypadModifier), kQwerty), 0x24);
  EXPECT_EQ(capturedVirtualKey(nativeEvent(kEvdevKpDot, Qt::Key_Comma, Qt::KeypadModifier), kQwerty), 0x6E);
#else
  GTEST_SKIP() << "evdev codes are a Linux matter";
#endif
}

struct QtKeyCase {
  Qt::Key key;
  Qt::KeyboardModifiers modifiers;
  int vk;
};

TEST(KeyCapture, EventsWithoutAPhysicalKeyFallBackToQtsKey) {
  const QtKeyCase cases[] = {
      {Qt::Key_A, Qt::NoModifier, 'A'},           {Qt::Key_Z, Qt::ShiftModifier, 'Z'},
      {Qt::Key_7, Qt::NoModifier, '7'},           {Qt::Key_7, Qt::KeypadModifier, 103},
      {Qt::Key_0, Qt::KeypadModifier, 96},        {Qt::Key_F1, Qt::NoModifier, 0x70},
      {Qt::Key_F10, Qt::NoModifier, 121},         {Qt::Key_F24, Qt::NoModifier, 0x87},
      {Qt::Key_Escape, Qt::NoModifier, 27},       {Qt::Key_Return, Qt::NoModifier, 13},
      {Qt::Key_Enter, Qt::KeypadModifier, 13},    {Qt::Key_Space, Qt::NoModifier, 32},
      {Qt::Key_Alt, Qt::AltModifier, 18},         {Qt::Key_Shift, Qt::NoModifier, 16},
      {Qt::Key_Clear, Qt::KeypadModifier, 12},    {Qt::Key_Asterisk, Qt::KeypadModifier, 0x6A},
      {Qt::Key_Minus, Qt::NoModifier, 0xBD},      {Qt::Key_Minus, Qt::KeypadModifier, 0x6D},
      {Qt::Key_Period, Qt::KeypadModifier, 0x6E}, {Qt::Key_Eacute, Qt::NoModifier, 0},
      {Qt::Key_unknown, Qt::NoModifier, 0},
  };
  for (const QtKeyCase& c : cases) {
    EXPECT_EQ(virtualKeyOfQtKey(c.key, c.modifiers), c.vk) << c.key;
    const QKeyEvent synthetic(QEvent::KeyPress, c.key, c.modifiers);
    EXPECT_EQ(capturedVirtualKey(synthetic, kAzerty), c.vk) << c.key;
  }
}

}  // namespace
}  // namespace ostrel
