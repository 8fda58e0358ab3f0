// The stick screen's controls at their places, what it shows for a default
// profile, and what it draws: knobs, curve, circles and help pictures.

#include <QAbstractButton>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QTest>

#include "StickScreenFixture.h"
#include "library/ProfileLibrary.h"
#include "pictures/PictureCatalog.h"
#include "profile/ProfileRecord.h"

namespace ostrel::testing {
namespace {

const QColor kBlue(121, 190, 255);
const QColor kGreen(147, 254, 124);
const QColor kRed(254, 121, 124);

// Whether a pixel of colour lies within a pixel of point.
bool drawnNear(const QImage& image, QPoint point, const QColor& colour) {
  for (int dy = -1; dy <= 1; ++dy) {
    for (int dx = -1; dx <= 1; ++dx) {
      if (image.pixelColor(point + QPoint(dx, dy)).rgb() == colour.rgb()) return true;
    }
  }
  return false;
}

TEST_F(StickScreenTest, ButtonsSitAtTheirPlacesSizedByTheirPictures) {
  const struct {
    int id;
    const char* picture;
    QPoint place;
  } cases[] = {
      {1116, "home.png", {1185, 647}},         {1117, "Screen5/reset.png", {1045, 494}},
      {1118, "Screen5/save.png", {1045, 546}}, {1135, "Screen4/reset1.png", {63, 659}},
      {1137, "profile1-uk.png", {0, 0}},       {1136, "profile2-uk.png", {0, 135}},
      {1138, "profile3-uk.png", {0, 270}},     {1139, "profile4-uk.png", {0, 405}},
      {1140, "General-uk.png", {0, 540}},      {1119, "Screen4/lock.png", {684, 291}},
      {1120, "Screen4/lock.png", {934, 291}},  {1121, "Screen4/lock.png", {1183, 291}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.id);
    auto* button = stickControl<QAbstractButton>(c.id);
    ASSERT_NE(button, nullptr);
    const PictureEntry* entry = findPicture(c.picture);
    ASSERT_NE(entry, nullptr);
    EXPECT_EQ(button->geometry(), QRect(c.place, QSize(entry->width, entry->height)));
    EXPECT_TRUE(button->isVisible());
  }
  EXPECT_TRUE(missingPictures.isEmpty()) << missingPictures.join('\n').toStdString();
}

TEST_F(StickScreenTest, FieldsLabelsListsAndHelpPointsSitAtTheirPlaces) {
  const struct {
    int id;
    QRect place;
    bool visible;
  } cases[] = {
      {1152, {582, 102, 48, 30}, true},  {1153, {832, 102, 48, 30}, true},
      {1154, {1081, 102, 48, 30}, true}, {1147, {629, 102, 30, 30}, true},
      {1148, {879, 102, 30, 30}, true},  {1149, {1128, 102, 30, 30}, true},
      {1155, {272, 146, 85, 27}, true},  {1156, {357, 145, 30, 30}, true},
      {1157, {272, 247, 85, 27}, true},  {1158, {357, 246, 30, 30}, true},
      {1159, {152, 429, 60, 27}, true},  {1162, {212, 428, 30, 30}, true},
      {1163, {299, 429, 60, 27}, true},  {1164, {359, 428, 30, 30}, true},
      {1160, {267, 287, 119, 30}, true}, {1161, {267, 328, 119, 30}, true},
      {1176, {135, 24, 220, 30}, true},  {1122, {407, 103, 30, 30}, false},
      {1130, {407, 535, 30, 30}, false}, {1134, {1178, 102, 30, 30}, false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.id);
    QWidget* widget = stickControl(c.id);
    ASSERT_NE(widget, nullptr);
    EXPECT_EQ(widget->geometry(), c.place);
    EXPECT_EQ(widget->isVisible(), c.visible);
  }
}

TEST_F(StickScreenTest, DefaultProfileShowsItsValues) {
  EXPECT_EQ(text(1155), "10");
  EXPECT_EQ(text(1157), "50");
  EXPECT_EQ(stickControl<QComboBox>(1160)->currentText(), "1200 ms");
  EXPECT_EQ(stickControl<QComboBox>(1161)->currentText(), "Level 3");
  EXPECT_EQ(text(1159), "1");
  EXPECT_EQ(text(1163), "1");
  EXPECT_EQ(text(1152), "33");
  EXPECT_EQ(text(1153), "33");
  EXPECT_EQ(text(1154), "34");
  EXPECT_EQ(text(1176), QString::fromStdString(app.slotNames[0]));
  EXPECT_EQ(stick->zones().locked(), StickZones::kBig);
  EXPECT_EQ(app.ScreenId, kStickScreen);
}

TEST_F(StickScreenTest, ListsHoldTheirItems) {
  auto* latency = stickControl<QComboBox>(1160);
  auto* threshold = stickControl<QComboBox>(1161);
  QStringList latencyItems, levels;
  for (int i = 0; i < latency->count(); ++i) latencyItems << latency->itemText(i);
  for (int i = 0; i < threshold->count(); ++i) levels << threshold->itemText(i);
  EXPECT_EQ(latencyItems.join(','), "0 ms,300 ms,600 ms,900 ms,1200 ms,1800 ms,2400 ms,3000 ms");
  EXPECT_EQ(levels.join(','), "Level 1,Level 2,Level 3,Level 4,Level 5");
}

TEST_F(StickScreenTest, CurveAndCirclesAreDrawnFromTheShownValues) {
  const QImage image = grabStick();
  // The three segments: blue to the first bend, green to the second, red on.
  EXPECT_TRUE(drawnNear(image, {633, 565}, kBlue));
  EXPECT_TRUE(drawnNear(image, {687, 524}, kBlue) || drawnNear(image, {687, 524}, kGreen));
  EXPECT_TRUE(drawnNear(image, {741, 483}, kGreen));
  EXPECT_TRUE(drawnNear(image, {796, 442}, kGreen) || drawnNear(image, {796, 442}, kRed));
  EXPECT_TRUE(drawnNear(image, {852, 401}, kRed));
  // Circles of radius 9 (green, static 10) and 45 (red, dynamic 50).
  for (QPoint offset : {QPoint(9, 0), QPoint(-9, 0), QPoint(0, 9), QPoint(0, -9)}) {
    EXPECT_TRUE(drawnNear(image, QPoint(258, 569) + offset, kGreen))
        << offset.x() << "," << offset.y();
  }
  for (QPoint offset : {QPoint(45, 0), QPoint(-45, 0), QPoint(0, 45), QPoint(0, -45)}) {
    EXPECT_TRUE(drawnNear(image, QPoint(258, 569) + offset, kRed))
        << offset.x() << "," << offset.y();
  }
  EXPECT_FALSE(drawnNear(image, {258 + 27, 569}, kGreen));
  EXPECT_FALSE(drawnNear(image, {258 + 27, 569}, kRed));
}

TEST_F(StickScreenTest, DeadZoneValueOfZeroDrawsNoCircle) {
  auto* field = stickControl<QLineEdit>(1157);
  field->setText(QStringLiteral("0"));
  const QImage image = grabStick();
  EXPECT_FALSE(drawnNear(image, {258 + 45, 569}, kRed));
  EXPECT_TRUE(drawnNear(image, {258 + 9, 569}, kGreen));
}

TEST_F(StickScreenTest, KnobsStandAtTheirWidths) {
  const QImage knob = pictures->languagePicture(QStringLiteral("Screen4/slider.png")).toImage();
  ASSERT_FALSE(knob.isNull());
  const QImage image = grabStick();
  const int columns[] = {565, 814, 1063};
  const int widths[] = {33, 33, 34};
  for (int zone = 0; zone < 3; ++zone) {
    // The knob's centre pixel, where the picture is opaque.
    const QPoint inKnob(54, 9);
    const QColor expected = knob.pixelColor(inKnob);
    ASSERT_EQ(expected.alpha(), 255);
    EXPECT_EQ(image.pixelColor(QPoint(columns[zone], 256 - widths[zone]) + inKnob), expected)
        << zone;
  }
}

TEST_F(StickScreenTest, HelpPictureFollowsThePointer) {
  const QImage before = grabStick();
  const QPoint squares[] = {{407, 103}, {407, 427}, {407, 581}, {1178, 102}};
  const int points[] = {1, 8, 10, 13};
  for (std::size_t i = 0; i < std::size(squares); ++i) {
    SCOPED_TRACE(points[i]);
    mouse(QEvent::MouseMove, squares[i] + QPoint(15, 15));
    for (int point = 1; point <= StickScreen::kHelpPoints; ++point) {
      EXPECT_EQ(stick->helpShown(point), point == points[i]) << point;
    }
    const QImage shown = grabStick();
    const QImage help =
        pictures
            ->languagePicture(QStringLiteral("Help/help_%1.png").arg(points[i], 2, 10, QChar('0')))
            .toImage();
    ASSERT_FALSE(help.isNull());
    const QPoint inside(help.width() / 2, help.height() / 2);
    ASSERT_EQ(help.pixelColor(inside).alpha(), 255);
    EXPECT_EQ(shown.pixelColor(StickScreen::kHelpArea.topLeft() + inside), help.pixelColor(inside));
    EXPECT_NE(shown.copy(StickScreen::kHelpArea), before.copy(StickScreen::kHelpArea));
  }
  mouse(QEvent::MouseMove, {440, 103});  // just right of the first square
  for (int point = 1; point <= StickScreen::kHelpPoints; ++point)
    EXPECT_FALSE(stick->helpShown(point));
  EXPECT_EQ(grabStick().copy(StickScreen::kHelpArea), before.copy(StickScreen::kHelpArea));
}

}  // namespace
}  // namespace ostrel::testing
