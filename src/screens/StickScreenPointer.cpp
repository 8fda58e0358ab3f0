// The stick screen's picture (background, knobs, curve, circles, help) and
// what the pointer does on it: dragging the zone knobs and the help points.

#include <QMouseEvent>
#include <QPainter>

#include <cstdio>

#include "controls/PictureCache.h"
#include "profile/AppState.h"
#include "screens/StickField.h"
#include "screens/StickLayout.h"
#include "screens/StickPicture.h"
#include "screens/StickScreen.h"

namespace ostrel {
namespace {

using namespace StickLayout;

constexpr const char* kBackground = "Screen-4.jpg";
constexpr const char* kKnob = "Screen4/slider.png";

QString helpPicture(int point) {
  char name[32];
  std::snprintf(name, sizeof name, "Help/help_%02d.png", point);
  return QString::fromLatin1(name);
}

}  // namespace

void StickScreen::paintEvent(QPaintEvent*) {
  context_.app.ScreenId = kStickScreen;
  QPainter painter(this);
  painter.fillRect(rect(), Qt::black);
  PictureCache& pictures = context_.pictures;
  painter.drawPixmap(QRect(0, 0, 1280, 720), pictures.languagePicture(QLatin1String(kBackground)));
  const QPixmap knob = pictures.languagePicture(QLatin1String(kKnob));
  for (int zone = 0; zone < StickZones::kCount; ++zone) {
    painter.drawPixmap(QRect(QPoint(kColumnX[zone], 256 - zones_.width(zone)), kKnobSize), knob);
  }
  StickPicture::paintCurve(painter, zones_.widths());
  StickPicture::paintCircles(painter, staticField_->number(), dynamicField_->number());
  for (int point = 1; point <= kHelpPoints; ++point) {
    if (helpShown(point))
      painter.drawPixmap(kHelpArea, pictures.languagePicture(helpPicture(point)));
  }
}

void StickScreen::mousePressEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return;
  dragging_ = true;
  dragAt(event->position().toPoint());
}

void StickScreen::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton) dragging_ = false;
}

void StickScreen::mouseMoveEvent(QMouseEvent* event) {
  const QPoint place = event->position().toPoint();
  followHelp(place);
  if (!dragging_) return;
  if (!kDragArea.contains(place)) {
    dragging_ = false;
    return;
  }
  dragAt(place);
}

void StickScreen::leaveEvent(QEvent* event) {
  // Off the screen the pointer is over no help point.
  followHelp(QPoint(-1, -1));
  QWidget::leaveEvent(event);
}

void StickScreen::dragAt(QPoint place) {
  for (int zone = 0; zone < StickZones::kCount; ++zone) {
    if (!columnRect(zone).contains(place)) continue;
    const int locked = zones_.locked();
    if (!zones_.drag(zone, kColumnBottom - place.y())) return;
    for (int changed : {zone, locked}) {
      update(QRect(QPoint(kColumnX[changed], kColumnTop),
                   QPoint(kColumnX[changed] + kColumnWidth - 1, kColumnRedrawBottom - 1)));
    }
    showWidthLabels();
    update(StickPicture::kCurveArea);
    return;
  }
}

void StickScreen::followHelp(QPoint place) {
  bool changed = false;
  for (std::size_t i = 0; i < hover_.size(); ++i) {
    const bool over = helpPoints_[i]->geometry().contains(place);
    changed = changed || over != hover_[i];
    hover_[i] = over;
  }
  if (changed) update(kHelpArea);
}

}  // namespace ostrel
