#include "PictureFolder.h"

#include <QDir>
#include <QFileInfo>
#include <QPixmap>
#include <QTest>

namespace ostrel::test {

PictureFolder::PictureFolder() : cache(dir_.path(), state) {
  state.resetToStartup();
  cache.setWarningSink([this](const QString& line) { warnings << line; });
}

void PictureFolder::write(const QString& path, const QImage& image) const {
  const QString file = dir_.filePath(path);
  QDir().mkpath(QFileInfo(file).path());
  image.save(file, "PNG");
}

void PictureFolder::writeSolid(const QString& path, int width, int height,
                               const QColor& colour) const {
  write(path, solidImage(width, height, colour));
}

QImage solidImage(int width, int height, const QColor& colour) {
  QImage image(width, height, QImage::Format_ARGB32);
  image.fill(colour);
  return image;
}

int countColour(const QImage& image, const QRect& area, const QColor& colour) {
  const QRect clipped = area & image.rect();
  const QRgb wanted = colour.rgb() & 0xFFFFFF;
  int count = 0;
  for (int y = clipped.top(); y <= clipped.bottom(); ++y) {
    for (int x = clipped.left(); x <= clipped.right(); ++x) {
      if ((image.pixel(x, y) & 0xFFFFFF) == wanted) ++count;
    }
  }
  return count;
}

std::unique_ptr<QLabel> makeScreen(int width, int height, const QColor& colour) {
  auto screen = std::make_unique<QLabel>();
  screen->setPixmap(QPixmap::fromImage(solidImage(width, height, colour)));
  screen->setFixedSize(width, height);
  screen->move(0, 0);
  screen->show();
  static_cast<void>(QTest::qWaitForWindowExposed(screen.get()));
  return screen;
}

QImage grabScreen(QWidget& screen) {
  return screen.grab().toImage().convertToFormat(QImage::Format_RGB32);
}

}  // namespace ostrel::test
