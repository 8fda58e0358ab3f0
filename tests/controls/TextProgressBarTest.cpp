#include "controls/TextProgressBar.h"

#include <QEvent>
#include <QFont>
#include <QTest>

#include <gtest/gtest.h>

#include "PictureFolder.h"

namespace ostrel::test {
namespace {

const QColor kBar(255, 0, 0);
const QColor kBack(255, 255, 250);
const QColor kTextOnBar(255, 255, 0);
const QColor kTextOnBack(0, 0, 255);

void colour(TextProgressBar& bar) {
  bar.setBarColour(kBar);
  bar.setBackColour(kBack);
  bar.setTextOnBarColour(kTextOnBar);
  bar.setTextOnBackColour(kTextOnBack);
  QFont font("Arial");
  font.setPixelSize(40);
  bar.setFont(font);
}

// The update screen's bar: 423 x 48, 0 to 100.
TEST(TextProgressBar, ShowsPercentageAndBarWithSwappedTextColours) {
  TextProgressBar bar;
  bar.resize(423, 48);
  colour(bar);
  bar.setPos(37);
  EXPECT_EQ(bar.barWidth(), 156);  // 423 x 0.37 = 156.51, truncated
  EXPECT_EQ(bar.shownText(), "37%");
  QImage image = bar.renderImage();
  EXPECT_EQ(image.pixelColor(155, 1), kBar);
  EXPECT_EQ(image.pixelColor(156, 1), kBack);

  // At 50 % the bar's edge (x = 211) runs through the centred text.
  bar.setPos(50);
  image = bar.renderImage();
  const QRect done(0, 0, 211, 48);
  const QRect rest(211, 0, 212, 48);
  EXPECT_GT(countColour(image, done, kTextOnBar), 20);
  EXPECT_GT(countColour(image, rest, kTextOnBack), 20);
  EXPECT_EQ(countColour(image, done, kTextOnBack), 0);
  EXPECT_EQ(countColour(image, rest, kTextOnBar), 0);
}

TEST(TextProgressBar, StoredTextReplacesThePercentage) {
  TextProgressBar bar;
  bar.resize(423, 48);
  bar.setPos(7);
  bar.setText("0: (7%)...");
  EXPECT_EQ(bar.text(), "0: (7%)...");
  EXPECT_EQ(bar.shownText(), "0: (7%)...");
  bar.setText("");
  EXPECT_EQ(bar.shownText(), "7%");
  bar.setShowText(false);
  EXPECT_EQ(bar.shownText(), "");
  colour(bar);
  const QImage image = bar.renderImage();
  EXPECT_EQ(countColour(image, image.rect(), kTextOnBack), 0);
  EXPECT_EQ(countColour(image, image.rect(), kTextOnBar), 0);
}

TEST(TextProgressBar, EmptyRangePaintsNothingAndPositionsStayInRange) {
  TextProgressBar bar;
  bar.resize(100, 20);
  EXPECT_EQ(bar.setPos(150), 0);  // previous position
  EXPECT_EQ(bar.pos(), 100);
  EXPECT_EQ(bar.setPos(-3), 100);
  EXPECT_EQ(bar.pos(), 0);

  bar.setRange(5, 5);
  EXPECT_EQ(bar.setPos(5), 0);
  EXPECT_EQ(bar.barWidth(), 0);
  QImage blank(bar.size(), QImage::Format_ARGB32_Premultiplied);
  blank.fill(Qt::transparent);
  EXPECT_EQ(bar.renderImage(), blank);
}

class PaintCounter : public QObject {
 public:
  int paints = 0;
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() == QEvent::Paint) ++paints;
    return false;
  }
};

// Repaints only when what the bar shows changes: its width in pixels or its
// text. A 50-pixel bar over 0 to 1000 has positions that change neither.
TEST(TextProgressBar, RepaintsOnlyWhenWhatItShowsChanges) {
  auto screen = makeScreen(200, 100, Qt::white);
  auto* bar = new TextProgressBar(screen.get());
  bar->setGeometry(10, 10, 50, 20);
  bar->setRange(0, 1000);
  bar->show();
  bar->setPos(0);  // the first position after a new size always paints
  QCoreApplication::processEvents();
  PaintCounter counter;
  bar->installEventFilter(&counter);

  struct Step {
    int pos;
    bool repaints;
  };
  for (const Step step : {Step{1, false},    // width 0, "0%"
                          Step{10, true},    // width 0, "1%"
                          Step{19, false},   // width 0, "1%"
                          Step{20, true},    // width 1, "2%"
                          Step{20, false}}) {
    const int before = counter.paints;
    bar->setPos(step.pos);
    EXPECT_EQ(counter.paints - before, step.repaints ? 1 : 0) << "pos " << step.pos;
  }
  bar->setText("Busy");
  QCoreApplication::processEvents();
  for (const Step step : {Step{39, false}, Step{40, true}}) {
    const int before = counter.paints;
    bar->setPos(step.pos);
    EXPECT_EQ(counter.paints - before, step.repaints ? 1 : 0) << "pos " << step.pos;
  }
  // A new size forces the next position to repaint.
  bar->resize(60, 20);
  QCoreApplication::processEvents();
  const int before = counter.paints;
  bar->setPos(40);
  EXPECT_EQ(counter.paints - before, 1);
}

}  // namespace
}  // namespace ostrel::test
