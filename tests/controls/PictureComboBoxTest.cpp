#include "controls/PictureComboBox.h"

#include <QAbstractItemView>
#include <QTest>

#include <gtest/gtest.h>

#include "PictureFolder.h"

namespace ostrel::test {
namespace {

const QColor kFocusBack(80, 168, 169);
const QColor kArrow(200, 0, 200);
const QColor kEdge(250, 200, 0);
const QColor kTop(0, 160, 250);

// The stick screen's combo: arrow picture at the right edge, teal focus,
// white rows with black text.
class PictureComboBoxTest : public testing::Test {
 protected:
  void SetUp() override {
    folder.writeSolid("res/arrow.png", 28, 28, kArrow);
    combo = std::make_unique<PictureComboBox>(folder.cache);
    combo->resize(200, 28);
    combo->setFaceBitmaps("", "", "res/arrow.png");
    combo->setColours(kFocusBack, Qt::black, Qt::white, Qt::black);
    combo->addItems({"Linear", "Curve", "Step"});
  }

  PictureFolder folder;
  std::unique_ptr<PictureComboBox> combo;
};

TEST_F(PictureComboBoxTest, FacePaintsArrowTextAreaAndCurrentText) {
  combo->setCurrentIndex(1);
  const QImage face = combo->renderImage();
  EXPECT_EQ(countColour(face, QRect(172, 0, 28, 28), kArrow), 28 * 28);
  const QRect textArea(0, 0, 172, 28);
  const int ink = countColour(face, textArea, Qt::black);
  EXPECT_GT(ink, 20);
  // The text starts 2 pixels in and is centred in height.
  EXPECT_EQ(countColour(face, QRect(0, 0, 2, 28), Qt::white), 56);
  int top = 28, bottom = -1;
  for (int y = 0; y < 28; ++y) {
    if (countColour(face, QRect(0, y, 172, 1), Qt::black) > 0) {
      top = std::min(top, y);
      bottom = y;
    }
  }
  EXPECT_NEAR((top + bottom) / 2.0, 13.5, 3.0);
  // Another current row, another text.
  combo->setCurrentIndex(0);
  EXPECT_NE(combo->renderImage(), face);
}

TEST_F(PictureComboBoxTest, MissingArrowIsNotDrawnButNamed) {
  combo->setFaceBitmaps("", "", "res/missing-arrow.png");
  const QImage face = combo->renderImage();
  EXPECT_EQ(countColour(face, face.rect(), kArrow), 0);
  EXPECT_EQ(countColour(face, QRect(172, 0, 28, 28), Qt::white), 28 * 28);
  ASSERT_FALSE(folder.warnings.isEmpty());
  EXPECT_TRUE(folder.warnings.filter("missing-arrow.png").size() == 1);
}

TEST_F(PictureComboBoxTest, OpenListPaintsRowsInFixedColours) {
  folder.writeSolid("res/edge.png", 4, 4, kEdge);
  folder.writeSolid("res/top.png", 4, 3, kTop);
  // A left face picture moves the texts right, clear of the list's edge.
  folder.writeSolid("res/face-left.png", 6, 28, kArrow);
  combo->setFaceBitmaps("res/face-left.png", "", "res/arrow.png");
  EXPECT_EQ(combo->textStart(), 6);
  combo->setListBitmaps("res/edge.png", "", "res/top.png", "");
  combo->setCurrentIndex(1);
  combo->showPopup();
  QAbstractItemView* list = combo->view();
  ASSERT_TRUE(list->isVisible());
  const QRect first = list->visualRect(list->model()->index(0, 0));
  const QRect second = list->visualRect(list->model()->index(1, 0));
  EXPECT_EQ(first.height(), PictureComboBox::kRowHeight);
  EXPECT_EQ(second.height(), PictureComboBox::kRowHeight);

  const QImage rows = list->viewport()->grab().toImage().convertToFormat(QImage::Format_RGB32);
  const int inner = second.width() - 10 - 4;  // without the right gap and the edge
  // The row under the mouse (the current one) in the focus colours.
  EXPECT_GT(countColour(rows, QRect(second.left() + 4, second.top(), inner, 25), kFocusBack),
            inner * 25 / 2);
  EXPECT_EQ(countColour(rows, QRect(second.right() - 9, second.top(), 10, 25), kFocusBack), 0);
  EXPECT_GT(countColour(rows, second, Qt::black), 0);
  // Other rows white with black text; the left edge picture on every row,
  // the top picture only on the first.
  EXPECT_EQ(countColour(rows, QRect(first.left() + 4, first.top() + 3, inner, 22), kFocusBack), 0);
  EXPECT_GT(countColour(rows, first, Qt::black), 0);
  for (const QRect& row : {first, second}) {
    EXPECT_EQ(countColour(rows, QRect(row.left(), row.top() + 3, 4, 22), kEdge), 4 * 22);
  }
  EXPECT_GT(countColour(rows, QRect(first.left() + 4, first.top(), inner, 3), kTop), 0);
  EXPECT_EQ(countColour(rows, second, kTop), 0);
  combo->hidePopup();
}

}  // namespace
}  // namespace ostrel::test
