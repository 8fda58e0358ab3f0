#include "controls/PngButton.h"

#include <QMouseEvent>
#include <QPainter>

#include "controls/OffscreenImage.h"
#include "controls/PictureCache.h"

namespace ostrel {

PngButton::PngButton(PictureCache& pictures, QWidget* parent)
    : QAbstractButton(parent), pictures_(pictures) {
  setAutoFillBackground(false);
  resize(0, 0);
}

void PngButton::setPicture(const QString& path) {
  picture_ = pictures_.picture(path);
  setGeometry(x(), y(), frameWidth(), picture_.height());
  updateGeometry();
  update();
}

void PngButton::setHighlight() {
  held_ = true;
  hovered_ = true;
  update();
}

void PngButton::clearHighlight() {
  held_ = false;
  hovered_ = false;
  update();
}

QSize PngButton::sizeHint() const { return {frameWidth(), picture_.height()}; }

void PngButton::paintFace(QPainter& painter) const {
  const int width = frameWidth();
  if (width <= 0) return;
  // Pressed shows the highlighted frame: the pictures hold only two frames.
  const int frame = hovered_ || isDown() ? 1 : 0;
  painter.drawPixmap(QPoint(0, 0), picture_, QRect(frame * width, 0, width, picture_.height()));
}

QImage PngButton::renderImage() const {
  return offscreenImage(size(), [this](QPainter& painter) { paintFace(painter); });
}

void PngButton::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  paintFace(painter);
}

void PngButton::enterEvent(QEnterEvent* event) {
  // Entering takes over a held highlight: the next leave ends it.
  hovered_ = true;
  held_ = false;
  update();
  QAbstractButton::enterEvent(event);
}

void PngButton::leaveEvent(QEvent* event) {
  if (!held_) {
    hovered_ = false;
    update();
  }
  QAbstractButton::leaveEvent(event);
}

void PngButton::mouseDoubleClickEvent(QMouseEvent* event) {
  // The second press of a quick double click is a click of its own.
  if (!isDown()) {
    mousePressEvent(event);
  } else {
    event->accept();
  }
}

}  // namespace ostrel
