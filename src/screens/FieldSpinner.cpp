#include "screens/FieldSpinner.h"

#include <QMouseEvent>
#include <QPainter>
#include <QPolygonF>

namespace ostrel {
namespace {

const QColor kFace(24, 42, 49);
const QColor kEdge(80, 168, 169);
const QColor kArrow(255, 255, 255);

void drawArrow(QPainter& painter, const QRectF& half, bool up) {
  const QPointF centre = half.center();
  const qreal w = half.width() * 0.28;
  const qreal h = half.height() * 0.28;
  const qreal tip = up ? -h : h;
  painter.drawPolygon(QPolygonF({QPointF(centre.x() - w, centre.y() - tip),
                                 QPointF(centre.x() + w, centre.y() - tip),
                                 QPointF(centre.x(), centre.y() + tip)}));
}

}  // namespace

FieldSpinner::FieldSpinner(QWidget* parent) : QWidget(parent) {
  setCursor(Qt::PointingHandCursor);
}

void FieldSpinner::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.setRenderHint(QPainter::Antialiasing);
  const QRectF box = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);
  painter.setPen(kEdge);
  painter.setBrush(kFace);
  painter.drawRect(box);
  const qreal middle = box.top() + box.height() / 2;
  painter.drawLine(QPointF(box.left(), middle), QPointF(box.right(), middle));
  painter.setPen(Qt::NoPen);
  painter.setBrush(kArrow);
  drawArrow(painter, QRectF(box.left(), box.top(), box.width(), box.height() / 2), true);
  drawArrow(painter, QRectF(box.left(), middle, box.width(), box.height() / 2), false);
}

void FieldSpinner::mousePressEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return;
  Q_EMIT stepped(event->position().y() < height() / 2.0 ? 1 : -1);
}

void FieldSpinner::mouseDoubleClickEvent(QMouseEvent* event) {
  // The second press of a quick double click steps again.
  mousePressEvent(event);
}

}  // namespace ostrel
