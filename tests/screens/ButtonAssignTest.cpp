// Selecting cells and assigning mouse actions and keys on the button screen.

#include <QTest>

#include "ButtonScreenFixture.h"
#include "profile/KeyTables.h"

namespace ostrel::testing {
namespace {

// evdev codes of the keys the tests press.
constexpr int kEvdevEscape = 1, kEvdevQ = 16, kEvdevA = 30, kEvdevLeftAlt = 56, kEvdevSpace = 57;
constexpr int kEvdevF10 = 68, kEvdevKp7 = 71, kEvdevKp5 = 76, kEvdevEnter = 28;

using ButtonAssign = ButtonScreenTest;

std::string shown(int layout, int vk) { return keyPicture(layout, vk).text; }

TEST_F(ButtonAssign, ASecondClickOnTheSelectedCellAssignsTheLeftButton) {
  const int before = buttons->cellKey(5);
  pressCell(5);
  EXPECT_EQ(buttons->selection(), 5);
  EXPECT_EQ(buttons->cellKey(5), before);
  pressCell(5);
  EXPECT_EQ(buttons->cellKey(5), kMouseLeft);
  EXPECT_EQ(shown(kQwerty, buttons->cellKey(5)), "Mouse-L.png");
  // Outside every cell nothing is selected.
  press(QPoint(400, 120));
  EXPECT_EQ(buttons->selection(), 5);
}

TEST_F(ButtonAssign, OtherMouseButtonsAndTheWheelAssignToTheSelection) {
  pressCell(9);
  struct Case {
    std::function<void()> act;
    int vk;
    const char* picture;
  };
  const Case cases[] = {
      {[&] { press(QPoint(1000, 100), Qt::RightButton); }, kMouseRight, "Mouse-R.png"},
      {[&] { press(QPoint(1000, 100), Qt::MiddleButton); }, kMouseMiddle, "Mouse-3.png"},
      {[&] { turnWheel(-120); }, kMouseWheelDown, "Mouse-WD.png"},
      {[&] { turnWheel(120); }, kMouseWheelUp, "Mouse-WU.png"},
      // A right click on a button reaches the screen too.
      {[&] { press(buttonControl(ButtonScreen::kSave)->geometry().center(), Qt::RightButton); },
       kMouseRight, "Mouse-R.png"},
  };
  for (const Case& c : cases) {
    buttons->collectChanges();  // any earlier value
    c.act();
    EXPECT_EQ(buttons->cellKey(9), c.vk);
    EXPECT_EQ(shown(kQwerty, c.vk), c.picture);
  }
  EXPECT_EQ(buttons->selection(), 9);
  buttons->collectChanges();
  EXPECT_EQ(library.editValues[0][88], kMouseRight);
}

struct KeyCase {
  const char* what;
  int language;  // 0 English (QWERTY), 1 French (AZERTY)
  int evdev;
  Qt::Key qtKey;
  Qt::KeyboardModifiers modifiers;
  int vk;     // shown in the cell
  int code;   // stored
};

TEST_F(ButtonAssign, AReleasedKeyIsStoredAsTheLayoutsCode) {
  const KeyCase cases[] = {
      {"keypad 7 with Num Lock on", 0, kEvdevKp7, Qt::Key_7, Qt::KeypadModifier, '7', 36},
      {"AZERTY key labelled A", 1, kEvdevQ, Qt::Key_A, {}, 'A', 20},
      {"QWERTY key labelled A", 0, kEvdevA, Qt::Key_A, {}, 'A', 4},
      {"Space", 0, kEvdevSpace, Qt::Key_Space, {}, 0x20, 44},
      {"Escape", 1, kEvdevEscape, Qt::Key_Escape, {}, 0x1B, 41},
      {"Enter", 0, kEvdevEnter, Qt::Key_Return, {}, 0x0D, 40},
      {"a key made by a program", 0, 0, Qt::Key_B, {}, 'B', 5},
  };
  for (const KeyCase& c : cases) {
    SCOPED_TRACE(c.what);
    app.language = c.language;
    key(QEvent::KeyPress, c.evdev, c.qtKey, c.modifiers);
    EXPECT_NE(buttons->cellKey(0), c.vk) << "taken on release only";
    key(QEvent::KeyRelease, c.evdev, c.qtKey, c.modifiers);
    EXPECT_EQ(buttons->cellKey(0), c.vk);
    buttons->saveButtonScreen();
    EXPECT_EQ(fileValues(app.slotNames[0])[28], static_cast<float>(c.code));
    EXPECT_EQ(library.savedValues[0][28], static_cast<float>(c.code));
    key(QEvent::KeyPress, 0, Qt::Key_Z);  // something else before the next case
    key(QEvent::KeyRelease, 0, Qt::Key_Z);
  }
  EXPECT_EQ(shown(kQwerty, 0x20), "space.png");
  EXPECT_EQ(shown(kAzerty, 0x1B), "esc.png");
}

TEST_F(ButtonAssign, AltAndF10AreTakenWhenPressed) {
  key(QEvent::KeyPress, kEvdevLeftAlt, Qt::Key_Alt, Qt::AltModifier);
  EXPECT_EQ(buttons->cellKey(0), 18);
  key(QEvent::KeyPress, kEvdevA, Qt::Key_A, Qt::AltModifier);
  EXPECT_EQ(buttons->cellKey(0), 'A');
  key(QEvent::KeyRelease, kEvdevA, Qt::Key_A, Qt::AltModifier);
  key(QEvent::KeyRelease, kEvdevLeftAlt, Qt::Key_Alt);
  EXPECT_EQ(buttons->cellKey(0), 18);

  pressCell(1);
  key(QEvent::KeyPress, kEvdevF10, Qt::Key_F10);
  EXPECT_EQ(buttons->cellKey(1), 121);
  EXPECT_EQ(shown(kQwerty, 121), "F10.png");
  key(QEvent::KeyRelease, kEvdevF10, Qt::Key_F10);
  EXPECT_EQ(buttons->cellKey(1), 121);
  // F10 is up again: a press alone assigns nothing.
  key(QEvent::KeyPress, kEvdevA, Qt::Key_A);
  EXPECT_EQ(buttons->cellKey(1), 121);
  // An F10 released while another screen was shown is up when this one
  // shows again.
  key(QEvent::KeyPress, kEvdevF10, Qt::Key_F10);
  buttons->hide();
  buttons->show();
  pressCell(2);
  key(QEvent::KeyPress, kEvdevA, Qt::Key_A);
  EXPECT_NE(buttons->cellKey(2), 'A');
}

TEST_F(ButtonAssign, ClearAndRepeatedReleasesAssignNothing) {
  const int before = buttons->cellKey(0);
  typeKey(kEvdevKp5, Qt::Key_Clear, Qt::KeypadModifier);  // keypad 5, Num Lock off
  EXPECT_EQ(buttons->cellKey(0), before);
  QKeyEvent repeated(QEvent::KeyRelease, Qt::Key_A, Qt::NoModifier, kEvdevA + 8, 0, 0, QString(), true);
  QApplication::sendEvent(buttons.get(), &repeated);
  EXPECT_EQ(buttons->cellKey(0), before);
}

TEST_F(ButtonAssign, KeysReachTheScreenAfterAButtonWasClickedAndPressNoButton) {
  RecordingScreen homeScreen;
  host->screens[kHomeScreen] = &homeScreen;
  clickButton(ButtonScreen::kOn);
  const int shownBefore = static_cast<int>(host->shown.size());
  typeKey(kEvdevSpace, Qt::Key_Space);
  typeKey(kEvdevEnter, Qt::Key_Return);
  EXPECT_EQ(buttons->cellKey(0), 0x0D);
  EXPECT_EQ(static_cast<int>(host->shown.size()), shownBefore);
  EXPECT_TRUE(buttons->isVisible());
}

TEST_F(ButtonAssign, TheLayoutChangesHowStoredCodesAreShown) {
  library.editValues[0][28] = 4;
  library.editValues[0][38] = 207;
  buttons->loadSlot();
  EXPECT_EQ(buttons->cellKey(0), 'A');
  EXPECT_EQ(buttons->cellKey(1), 0);  // no key for 207 in QWERTY: an empty cell
  app.keyboardLayout[0] = kAzerty;
  buttons->loadSlot();
  EXPECT_EQ(buttons->cellKey(0), 'Q');
  EXPECT_EQ(buttons->cellKey(1), 0xDF);
  EXPECT_EQ(shown(kAzerty, 0xDF), "FR-3.png");
}

TEST_F(ButtonAssign, AKeyWithoutACodeLeavesTheCellEmpty) {
  typeKey(183, Qt::Key_F13);  // no code in any layout
  EXPECT_EQ(buttons->cellKey(0), 0);
  buttons->saveButtonScreen();
  EXPECT_EQ(fileValues(app.slotNames[0])[28], 0.0f);
}

}  // namespace
}  // namespace ostrel::testing
