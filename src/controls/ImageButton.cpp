#include "controls/ImageButton.h"

#include <QMouseEvent>
#include <QPainter>

#include "controls/OffscreenImage.h"
#include "controls/PictureCache.h"

namespace ostrel {

ImageButton::ImageButton(PictureCache& pictures, QWidget* parent)
    : QAbstractButton(parent), pictures_(pictures) {
  setAutoFillBackground(false);
  resize(0, 0);
}

void ImageButton::setPicture(const QString& path) {
  picture_ = pictures_.picture(path);
  setGeometry(x(), y(), frameWidth(), picture_.height());
  updateGeometry();
  update();
}

void ImageButton::setHighlight() {
  held_ = true;
  hovered_ = true;
  update();
}

void ImageButton::clearHighlight() {
  held_ = false;
  hovered_ = false;
  update();
}

QSize ImageButton::sizeHint() const { return {frameWidth(), picture_.height()}; }

void ImageButton::paintFace(QPainter& painter) const {
  const int width = frameWidth();
  if (width <= 0) return;
  // Pressed shows the highlighted frame: the pictures hold only two frames.
  const int frame = hovered_ || isDown() ? 1 : 0;
  painter.drawPixmap(QPoint(0, 0), picture_, QRect(frame * width, 0, width, picture_.height()));
}

QImage ImageButton::renderImage() const {
  return offscreenImage(size(), [this](QPainter& painter) { paintFace(painter); });
}

void ImageButton::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  paintFace(painter);
}

void ImageButton::enterEvent(QEnterEvent* event) {
  // Entering takes over a held highlight: the next leave ends it.
  hovered_ = true;
  held_ = false;
  update();
  QAbstractButton::enterEvent(event);
}

void ImageButton::leaveEvent(QEvent* event) {
  if (!held_) {
    hovered_ = false;
    update();
  }
  QAbstractButton::leaveEvent(event);
}

void ImageButton::mouseDoubleClickEvent(QMouseEvent* event) {
  // The second press of a quick double click is a click of its own.
  if (!isDown()) {
    mousePressEvent(event);
  } else {
    event->accept();
  }
}

}  // namespace ostrel
