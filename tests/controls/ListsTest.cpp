#include "controls/CheckList.h"

#include <QFontMetrics>
#include <QTest>

#include <gtest/gtest.h>

#include "PictureFolder.h"

namespace ostrel::test {
namespace {

const QColor kScreen(0, 0, 160);
const QColor kSelected(80, 168, 169);
const QColor kTickOn(0, 220, 0);
const QColor kTickOff(220, 0, 0);
constexpr int kListX = 40;
constexpr int kListY = 50;

// Rows are "W", "WW", ...: row r's text is r + 1 letters wide.
template <typename List>
void fill(List& list, int rows) {
  for (int r = rows; r >= 1; --r) list.addString(QString(r, QLatin1Char('W')));
}

// The rightmost pixel left of `to` in visible row band `row` of the list, in
// list coordinates, that is not the screen's colour (-1 when none).
int rightmostInk(const QImage& seen, int row, int from, int to) {
  for (int x = to - 1; x >= from; --x) {
    for (int y = 0; y < PlainList::kRowHeight; ++y) {
      const QPoint at(kListX + x, kListY + row * 30 + y);
      if (seen.rect().contains(at) && seen.pixelColor(at) != kScreen) return x;
    }
  }
  return -1;
}

class Lists : public testing::Test {
 protected:
  void SetUp() override {
    folder.writeSolid("res/Tick-On.png", 30, 30, kTickOn);
    folder.writeSolid("res/Tick-Off.png", 30, 30, kTickOff);
    screen = makeScreen(600, 300, kScreen);
  }
  template <typename List>
  List* place(List* list, int height) {
    list->setGeometry(kListX, kListY, 500, height);
    list->setTextStyle("Arial", Qt::white, kSelected, true);
    list->show();
    return list;
  }
  QImage seen() { return grabScreen(*screen); }
  // Band of visible row `row` (list coordinates) on the grabbed screen.
  static QRect band(int row, int left, int width) {
    return {kListX + left, kListY + row * 30, width, 30};
  }

  PictureFolder folder;
  std::unique_ptr<QLabel> screen;
};

TEST(ListOrder, KeepsRowsInCaseInsensitiveOrder) {
  PlainList list;
  for (const char* name : {"beta", "Alpha", "gamma", "alpha 2", "Beta"}) list.addString(name);
  QStringList order;
  for (int r = 0; r < list.count(); ++r) order << list.item(r)->text();
  EXPECT_EQ(order, (QStringList{"Alpha", "alpha 2", "beta", "Beta", "gamma"}));
}

TEST_F(Lists, ScrolledListDrawsFromItsTopRowOverTheScreen) {
  auto* list = place(new CheckList(folder.cache, screen.get()), 100);
  fill(*list, 12);
  list->setTopIndex(5);
  list->item(5)->setSelected(true);
  ASSERT_EQ(list->topIndex(), 5);
  const QImage image = seen();

  // Row 5 stands in the first position: its tick is on, the others off,
  // and the partly visible fourth row (10 pixels) is drawn too.
  EXPECT_EQ(countColour(image, band(0, 10, 30), kTickOn), 900);
  EXPECT_EQ(countColour(image, band(1, 10, 30), kTickOff), 900);
  EXPECT_EQ(countColour(image, QRect(kListX + 10, kListY + 90, 30, 10), kTickOff), 300);
  // Its text is row 5's: six letters wide, from x = 50, in the selected colour.
  const QFontMetrics metrics(list->font());
  const int rowsWidth = list->viewport()->width();  // left of the scroll bar
  const int right = rightmostInk(image, 0, 50, rowsWidth);
  EXPECT_GT(right, 50 + metrics.horizontalAdvance("WWWWW"));
  EXPECT_LE(right, 50 + metrics.horizontalAdvance("WWWWWW"));
  EXPECT_GT(countColour(image, band(0, 50, 450), kSelected), 0);
  EXPECT_EQ(countColour(image, band(1, 50, 450), kSelected), 0);
  EXPECT_GT(countColour(image, band(1, 50, 450), Qt::white), 0);
  // Nothing of the list's own between the tick and the text, or after the text.
  EXPECT_EQ(countColour(image, band(0, 0, 10), kScreen), 300);
  EXPECT_EQ(countColour(image, band(0, 40, 10), kScreen), 300);
  EXPECT_EQ(countColour(image, band(1, 400, rowsWidth - 400), kScreen), (rowsWidth - 400) * 30);
}

TEST_F(Lists, DisabledListDrawsEveryRowWhite) {
  auto* list = place(new PlainList(screen.get()), 90);
  fill(*list, 3);
  list->item(1)->setSelected(true);
  EXPECT_GT(countColour(seen(), band(1, 100, 400), kSelected), 0);
  list->setEnabled(false);
  const QImage image = seen();
  for (int row = 0; row < 3; ++row) {
    EXPECT_GT(countColour(image, band(row, 100, 400), Qt::white), 0) << row;
    EXPECT_EQ(countColour(image, band(row, 100, 400), kSelected), 0) << row;
  }
}

TEST_F(Lists, TextOnlyListStartsItsTextAt100) {
  auto* list = place(new PlainList(screen.get()), 90);
  fill(*list, 3);
  const QImage image = seen();
  for (int row = 0; row < 3; ++row) {
    EXPECT_EQ(countColour(image, band(row, 0, 100), kScreen), 3000) << row;
    EXPECT_GT(countColour(image, band(row, 100, 400), Qt::white), 0) << row;
  }
}

TEST_F(Lists, ClickingARowTogglesItsTickAtOnce) {
  auto* list = place(new CheckList(folder.cache, screen.get()), 120);
  fill(*list, 6);
  list->setTopIndex(2);
  const QPoint secondRow(200, 45);
  QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, secondRow);
  EXPECT_TRUE(list->item(3)->isSelected());
  EXPECT_EQ(countColour(seen(), band(1, 10, 30), kTickOn), 900);
  QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, QPoint(200, 75));
  EXPECT_EQ(list->selectedItems().size(), 2);
  QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, secondRow);
  EXPECT_FALSE(list->item(3)->isSelected());
  const QImage image = seen();
  EXPECT_EQ(countColour(image, band(1, 10, 30), kTickOff), 900);
  EXPECT_EQ(countColour(image, band(2, 10, 30), kTickOn), 900);
}

TEST_F(Lists, MissingTicksStillDrawTheRows) {
  PictureFolder empty;
  auto* list = place(new CheckList(empty.cache, screen.get()), 60);
  fill(*list, 2);
  const QImage image = seen();
  EXPECT_EQ(countColour(image, band(0, 10, 30), kScreen), 900);
  EXPECT_GT(countColour(image, band(0, 50, 400), Qt::white), 0);
  EXPECT_EQ(empty.warnings.size(), 1);
}

}  // namespace
}  // namespace ostrel::test
