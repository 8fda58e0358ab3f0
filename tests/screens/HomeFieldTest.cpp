// The value fields: validation of typed text, the spinners, and the scaled
// whole numbers that save writes.

#include <QLineEdit>
#include <QTest>

#include "HomeScreenFixture.h"
#include "library/ValueText.h"
#include "screens/HomeFields.h"

namespace ostrel::testing {
namespace {

struct TypedCase {
  const char* before;
  const char* typed;  // replaces the whole text at once, as a paste does
  const char* after;
};

TEST_F(HomeScreenTest, FieldsTakeOnlyWholeNumbersOneToTen) {
  const TypedCase cases[] = {
      {"5", "0", "5"},   {"5", "11", "5"}, {"5", "100", "5"}, {"5", "10", "10"},
      {"5", "1", "1"},   {"5", "9", "9"},  {"5", "", "5"},    {"5", "-1", "5"},
      {"5", "7'", "5"},  {"5", "4a", "5"}, {"5", "010", "5"},
  };
  for (int id : {1161, 1165}) {
    auto* field = control<QLineEdit>(id);
    for (const TypedCase& c : cases) {
      SCOPED_TRACE(std::to_string(id) + " '" + c.typed + "'");
      field->selectAll();
      field->insert(c.before);
      ASSERT_EQ(field->text(), c.before);
      field->selectAll();
      field->insert(c.typed);
      EXPECT_EQ(field->text(), c.after);
      EXPECT_EQ(field->cursorPosition(), field->text().size());
    }
  }
}

TEST_F(HomeScreenTest, TypingKeyByKeyStopsAtTheLastAcceptedNumber) {
  auto* field = control<QLineEdit>(1161);
  field->setFocus();
  field->selectAll();
  QTest::keyClicks(field, "1");
  QTest::keyClick(field, Qt::Key_1);  // 11
  EXPECT_EQ(field->text(), "1");
  QTest::keyClick(field, Qt::Key_0);  // 10
  EXPECT_EQ(field->text(), "10");
  QTest::keyClick(field, Qt::Key_0);  // 100
  EXPECT_EQ(field->text(), "10");
  // The apostrophe key refuses the next change even when it typed nothing
  // (a dead key).
  QTest::keyClick(field, Qt::Key_Backspace);
  EXPECT_EQ(field->text(), "1");
  QKeyEvent dead(QEvent::KeyPress, Qt::Key_Apostrophe, Qt::NoModifier, QString());
  QApplication::sendEvent(field, &dead);
  QTest::keyClick(field, Qt::Key_0);
  EXPECT_EQ(field->text(), "1");
  QTest::keyClick(field, Qt::Key_0);
  EXPECT_EQ(field->text(), "10");
}

struct SpinCase {
  int spinner;
  int field;
  const char* before;
  bool up;
  const char* after;
};

TEST_F(HomeScreenTest, SpinnersStepWithinOneToTen) {
  const SpinCase cases[] = {
      {1166, 1161, "5", true, "6"},  {1166, 1161, "5", false, "4"},
      {1167, 1165, "10", true, "10"}, {1167, 1165, "1", false, "1"},
      {1167, 1165, "9", true, "10"}, {1166, 1161, "2", false, "1"},
  };
  for (const SpinCase& c : cases) {
    SCOPED_TRACE(std::to_string(c.spinner) + " from " + c.before);
    auto* field = control<QLineEdit>(c.field);
    field->selectAll();
    field->insert(c.before);
    QWidget* spinner = control(c.spinner);
    QTest::mouseClick(spinner, Qt::LeftButton, {}, QPoint(15, c.up ? 7 : 23));
    EXPECT_EQ(field->text(), c.after);
  }
}

TEST(HomeFields, WholeStepsSurviveTheirFloats) {
  // Every whole hundredth and thousandth shows as itself, so saving an
  // unchanged profile keeps it; values between steps are cut toward zero.
  for (int scale : {100, 1000}) {
    for (int step = -scale; step <= 2 * scale; ++step) {
      const float value = parseValue(formatValue(static_cast<float>(step) / scale));
      ASSERT_EQ(fieldText(value, scale), QString::number(step)) << step << "/" << scale;
      ASSERT_EQ(fieldValue(QString::number(step), scale), value) << step << "/" << scale;
    }
  }
  EXPECT_EQ(fieldText(0.1234f, 100), "12");
  EXPECT_EQ(fieldText(0.12345f, 1000), "123");
  EXPECT_EQ(fieldText(-0.129f, 100), "-12");
  EXPECT_EQ(fieldText(7.9f, 1), "7");
  EXPECT_EQ(fieldText(std::numeric_limits<float>::infinity(), 100), "0");
  EXPECT_EQ(fieldText(std::numeric_limits<float>::quiet_NaN(), 100), "0");
  EXPECT_EQ(fieldValue("12abc", 100), 0.12f);
  EXPECT_EQ(fieldValue("abc", 1), 0.0f);
}

TEST_F(HomeScreenTest, SaveWritesWholeHundredthsAndThousandths) {
  auto& edited = library.editValues[0];
  const std::map<int, float> given = {{27, 0.1234f}, {163, 0.5678f}, {75, 0.12345f},
                                      {21, 1.0009f}, {22, 0.57f},    {23, -0.0019f}};
  for (const auto& [index, value] : given) edited[index] = value;
  edited[0] = 3;
  home->loadSlot();
  control<QLineEdit>(1165)->selectAll();
  control<QLineEdit>(1165)->insert("8");
  home->switchShortcuts(true);
  click(1101);

  const std::map<int, float> stored = {{0, 3.0f},      {1, 8.0f},    {27, 0.12f},
                                       {163, 0.56f},   {75, 0.123f}, {21, 1.0f},
                                       {22, 0.57f},    {23, -0.001f}, {165, 1.0f}};
  ProfileLibrary reread;
  reread.basePath = library.basePath;
  ASSERT_TRUE(reread.loadProfileIntoSlot(0, app.slotNames[0]));
  for (const auto& [index, value] : stored) {
    EXPECT_EQ(reread.savedValues[0][index], value) << index;
    EXPECT_EQ(library.savedValues[0][index], value) << index;
  }
  EXPECT_EQ(app.savedSlotOff[0], 1);
  EXPECT_FALSE(home->collectChanges());
}

}  // namespace
}  // namespace ostrel::testing
