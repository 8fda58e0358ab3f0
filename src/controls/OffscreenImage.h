#pragma once
// Paints a control's look onto a transparent image instead of the screen, so
// tests and tools can check it without a display.

#include <QImage>
#include <QPainter>
#include <QSize>

namespace ostrel {

template <typename Paint>
QImage offscreenImage(QSize size, Paint&& paint) {
  QImage image(size, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  if (!image.isNull()) {
    QPainter painter(&image);
    paint(painter);
  }
  return image;
}

}  // namespace ostrel
