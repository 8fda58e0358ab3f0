// The four number fields, their up-downs, the keys the screen lets through
// and the two lists that follow the dynamic dead zone.

#include <QComboBox>
#include <QLineEdit>
#include <QTest>

#include "StickScreenFixture.h"
#include "profile/KeyTables.h"

namespace ostrel::testing {
namespace {

constexpr int kEvdevApostrophe = 40;
constexpr int kEvdevGrave = 41;
constexpr int kEvdevA = 30;

TEST_F(StickScreenTest, FieldsRefuseWhatTheirRangesDoNotHold) {
  const struct {
    int field;
    const char* start;
    const char* typed;
    const char* shown;
  } cases[] = {
      {1155, "10", "5", "10"},  // a third digit into the static dead zone
      {1155, "9", "9", "99"},    {1157, "10", "0", "100"},  // 100 is the dynamic dead zone's
                                                            // largest value
      {1157, "100", "0", "100"}, {1157, "50", "5", "50"},  {1159, "1", "0", "10"},
      {1159, "10", "1", "10"},   {1163, "1", "5", "1"},  // 15 is no sensitivity
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(::testing::Message() << c.field << ": " << c.start << " + " << c.typed);
    auto* field = stickControl<QLineEdit>(c.field);
    field->setText(QString::fromLatin1(c.start));
    ASSERT_EQ(text(c.field), c.start);
    typeInto(c.field, QString::fromLatin1(c.typed));
    EXPECT_EQ(text(c.field), c.shown);
    EXPECT_EQ(field->cursorPosition(), text(c.field).size());
  }
}

TEST_F(StickScreenTest, OnlyDigitsReachTheFields) {
  auto* field = stickControl<QLineEdit>(1155);
  field->setFocus();
  field->end(false);
  QTest::keyClick(field, Qt::Key_Backspace);
  QTest::keyClick(field, Qt::Key_A);
  QTest::keyClick(field, Qt::Key_Minus);
  QTest::keyClick(field, Qt::Key_Tab);
  QTest::keyClick(field, Qt::Key_Left);
  EXPECT_EQ(text(1155), "10");
  EXPECT_TRUE(field->hasFocus());
  field->selectAll();
  QTest::keyClick(field, Qt::Key_7, Qt::KeypadModifier);
  EXPECT_EQ(text(1155), "7");
}

TEST_F(StickScreenTest, TheQuoteKeyUndoesTheNextChange) {
  // VK 0xDE is the quote key in US QWERTY, the square key in French AZERTY.
  const struct {
    int layout;
    int evdev;
    Qt::Key key;
  } cases[] = {{kQwerty, kEvdevApostrophe, Qt::Key_Apostrophe},
               {kAzerty, kEvdevGrave, Qt::Key_twosuperior}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.layout);
    app.keyboardLayout[static_cast<std::size_t>(app.language)] = c.layout;
    typeInto(1157, QString());
    stickControl<QLineEdit>(1157)->selectAll();
    pressKey(c.evdev, c.key);
    EXPECT_TRUE(stick->rejectsNextChange());
    EXPECT_EQ(text(1157), "50");
    typeInto(1157, QStringLiteral("7"));
    EXPECT_EQ(text(1157), "50");
    EXPECT_FALSE(stick->rejectsNextChange());
    typeInto(1157, QStringLiteral("7"));
    EXPECT_EQ(text(1157), "50");  // 507 is refused
    stickControl<QLineEdit>(1157)->selectAll();
    typeInto(1157, QStringLiteral("7"));
    EXPECT_EQ(text(1157), "7");
    stickControl<QLineEdit>(1157)->setText(QStringLiteral("50"));
  }
  // Other keys with a physical key do not arm it.
  pressKey(kEvdevA, Qt::Key_A);
  EXPECT_FALSE(stick->rejectsNextChange());
}

TEST_F(StickScreenTest, LoadingTheSlotIsNotTheChangeTheQuoteKeyUndoes) {
  app.keyboardLayout[static_cast<std::size_t>(app.language)] = kQwerty;
  typeInto(1155, QString());
  pressKey(kEvdevApostrophe, Qt::Key_Apostrophe);
  library.editValues[0][ProfileIndex::staticDeadZone] = 0.2f;
  stick->loadStickScreen();
  EXPECT_EQ(text(1155), "20");
  EXPECT_TRUE(stick->rejectsNextChange());
}

TEST_F(StickScreenTest, UpDownsStepWithinTheirRanges) {
  const struct {
    int upDown;
    int field;
    const char* start;
    bool up;
    const char* shown;
  } cases[] = {
      {1156, 1155, "98", true, "99"},   {1156, 1155, "99", true, "99"},
      {1156, 1155, "0", false, "0"},    {1158, 1157, "99", true, "100"},
      {1158, 1157, "100", true, "100"}, {1158, 1157, "1", false, "0"},
      {1162, 1159, "9", true, "10"},    {1162, 1159, "10", true, "10"},
      {1164, 1163, "1", false, "1"},    {1164, 1163, "2", false, "1"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.upDown);
    stickControl<QLineEdit>(c.field)->setText(QString::fromLatin1(c.start));
    ASSERT_EQ(text(c.field), c.start);
    clickArrow(c.upDown, c.up);
    EXPECT_EQ(text(c.field), c.shown);
  }
}

TEST_F(StickScreenTest, ListsFollowTheDynamicDeadZone) {
  auto* latency = stickControl<QComboBox>(1160);
  auto* threshold = stickControl<QComboBox>(1161);
  ASSERT_TRUE(latency->isEnabled());
  stickControl<QLineEdit>(1157)->selectAll();
  typeInto(1157, QStringLiteral("0"));
  ASSERT_EQ(text(1157), "0");
  EXPECT_TRUE(QTest::qWaitFor([&] { return !latency->isEnabled(); }, 2000));
  EXPECT_FALSE(threshold->isEnabled());
  const QImage face = latency->grab().toImage();
  EXPECT_EQ(face.pixelColor(3, 3), QColor(204, 204, 204));
  typeInto(1157, QStringLiteral("5"));
  ASSERT_EQ(text(1157), "05");
  EXPECT_TRUE(QTest::qWaitFor([&] { return latency->isEnabled(); }, 2000));
  EXPECT_TRUE(threshold->isEnabled());
  EXPECT_EQ(latency->grab().toImage().pixelColor(3, 3), QColor(Qt::white));
}

TEST_F(StickScreenTest, RefusedStoredValuesLeaveTheFieldsAndListsAsTheyWere) {
  auto& edited = library.editValues[0];
  edited[ProfileIndex::staticDeadZone] = 1.5f;
  edited[ProfileIndex::dynamicDeadZone] = 0.29f;
  edited[ProfileIndex::latencyMs] = 1000.0f;
  edited[ProfileIndex::activationThreshold] = 0.05f;
  edited[ProfileIndex::sensitivity1] = 0.0f;
  edited[ProfileIndex::sensitivity2] = 7.9f;
  stick->loadStickScreen();
  EXPECT_EQ(text(1155), "10");
  EXPECT_EQ(text(1157), "29");
  EXPECT_EQ(stickControl<QComboBox>(1160)->currentText(), "1200 ms");
  EXPECT_EQ(stickControl<QComboBox>(1161)->currentText(), "Level 5");
  EXPECT_EQ(text(1159), "1");
  EXPECT_EQ(text(1163), "7");
  // Apply stores only what the person changed: looking at the screen leaves
  // the stored values alone, a change takes what the control shows.
  stick->applyStickScreen();
  EXPECT_EQ(edited[ProfileIndex::staticDeadZone], 1.5f);
  EXPECT_EQ(edited[ProfileIndex::latencyMs], 1000.0f);
  EXPECT_EQ(edited[ProfileIndex::sensitivity2], 7.9f);
  stickControl<QComboBox>(1160)->setCurrentIndex(0);
  stick->applyStickScreen();
  EXPECT_EQ(edited[ProfileIndex::latencyMs], 0.0f);
  EXPECT_EQ(edited[ProfileIndex::staticDeadZone], 1.5f);
}

}  // namespace
}  // namespace ostrel::testing
