#pragma once
// A temporary program folder for the control tests: pictures written as PNG
// files below it, the run-time state whose language folder the cache follows,
// a picture cache on it that collects its warnings, and pixel helpers.

#include <QColor>
#include <QImage>
#include <QLabel>
#include <QStringList>
#include <QTemporaryDir>

#include <memory>

#include "controls/PictureCache.h"
#include "profile/AppState.h"

namespace ostrel::test {

class PictureFolder {
  QTemporaryDir dir_;  // first: the cache is built on it

 public:
  PictureFolder();

  // Writes image as a PNG at path (relative to the folder), making folders.
  void write(const QString& path, const QImage& image) const;
  void writeSolid(const QString& path, int width, int height, const QColor& colour) const;

  QString root() const { return dir_.path(); }

  AppState state;
  PictureCache cache;
  QStringList warnings;
};

QImage solidImage(int width, int height, const QColor& colour);

// Pixels of exactly colour inside area (alpha ignored).
int countColour(const QImage& image, const QRect& area, const QColor& colour);

// A shown top-level "screen": a label showing a solid picture, for controls
// placed on it as children.
std::unique_ptr<QLabel> makeScreen(int width, int height, const QColor& colour);

// The screen as a person sees it, children included.
QImage grabScreen(QWidget& screen);

}  // namespace ostrel::test
