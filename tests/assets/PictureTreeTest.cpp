// The res/ tree the build generated: every catalog picture in every folder it
// is looked up in, at its size and in its format; buttons whose highlighted
// frame differs clearly from the normal one; overlays that let the screen
// behind show through.

#include <gtest/gtest.h>

#include <QImage>
#include <QImageReader>
#include <QString>
#include <cstdlib>

#include "pictures/PictureCatalog.h"

namespace ostrel {
namespace {

QString pathOf(const std::string& relative) {
  // relative starts with "res/"
  return QString(OSTREL_RES_DIR) + "/" + QString::fromStdString(relative.substr(4));
}

TEST(PictureTree, EveryPictureExistsWithItsSizeAndFormat) {
  int checked = 0;
  for (const PictureEntry& entry : pictureCatalog()) {
    for (const std::string& path : entry.paths()) {
      QImageReader reader(pathOf(path));
      ASSERT_TRUE(reader.canRead()) << path;
      EXPECT_EQ(reader.size(), QSize(entry.fileWidth(), entry.height)) << path;
      EXPECT_EQ(reader.format(), entry.kind == PictureKind::Background ? "jpeg" : "png") << path;
      ++checked;
    }
  }
  EXPECT_GT(checked, 900);
}

// Mean difference per channel between the two frames of a strip.
double frameDifference(const QImage& strip) {
  const int w = strip.width() / 2;
  double total = 0;
  for (int y = 0; y < strip.height(); ++y)
    for (int x = 0; x < w; ++x) {
      const QRgb a = strip.pixel(x, y), b = strip.pixel(x + w, y);
      total += std::abs(qRed(a) - qRed(b)) + std::abs(qGreen(a) - qGreen(b)) +
               std::abs(qBlue(a) - qBlue(b)) + std::abs(qAlpha(a) - qAlpha(b));
    }
  return total / (4.0 * w * strip.height());
}

TEST(PictureTree, EveryButtonHasAClearlyHighlightedFrame) {
  for (const PictureEntry& entry : pictureCatalog()) {
    if (entry.kind != PictureKind::Button) continue;
    for (const std::string& path : entry.paths()) {
      const QImage strip(pathOf(path));
      ASSERT_FALSE(strip.isNull()) << path;
      EXPECT_TRUE(strip.hasAlphaChannel()) << path;
      EXPECT_GT(frameDifference(strip.convertToFormat(QImage::Format_ARGB32)), 12.0) << path;
    }
  }
}

TEST(PictureTree, OverlaysAndControlPicturesLetTheScreenShowThrough) {
  for (const PictureEntry& entry : pictureCatalog()) {
    const bool laidOver = entry.kind == PictureKind::Overlay || entry.width == 1208;
    if (!laidOver) continue;
    for (const std::string& path : entry.paths()) {
      const QImage image = QImage(pathOf(path)).convertToFormat(QImage::Format_ARGB32);
      ASSERT_FALSE(image.isNull()) << path;
      int seeThrough = 0, solid = 0;
      for (int y = 0; y < image.height(); y += 7)
        for (int x = 0; x < image.width(); x += 7) {
          const int alpha = qAlpha(image.pixel(x, y));
          seeThrough += alpha < 255;
          solid += alpha == 255;
        }
      EXPECT_GT(seeThrough, solid) << path;
      EXPECT_GT(solid, 0) << path;
    }
  }
}

TEST(PictureTree, LanguagesDifferWhereTheyCarryWords) {
  // The home screen's background says different things in English and French.
  const QImage english(QString(OSTREL_RES_DIR) + "/English/Screen-2.jpg");
  const QImage french(QString(OSTREL_RES_DIR) + "/French/Screen-2.jpg");
  ASSERT_FALSE(english.isNull());
  ASSERT_FALSE(french.isNull());
  EXPECT_NE(english, french);
}

}  // namespace
}  // namespace ostrel
