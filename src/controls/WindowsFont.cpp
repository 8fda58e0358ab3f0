#include "controls/WindowsFont.h"

#include <QFontMetrics>

namespace ostrel {

QFont windowsFont(const QString& face, int cellHeight) {
  QFont font(face);
  font.setStyleHint(QFont::SansSerif);
  font.setWeight(QFont::Normal);
  int size = cellHeight > 1 ? cellHeight : 1;
  font.setPixelSize(size);
  while (size > 1 && QFontMetrics(font).height() > cellHeight) {
    font.setPixelSize(--size);
  }
  return font;
}

}  // namespace ostrel
