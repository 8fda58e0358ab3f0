#pragma once
// The application icon, drawn at any square size from one design, so the
// picture in res/ and the desktop theme's sizes are the same drawing.

#include <QImage>
#include <QList>
#include <QString>
#include <QStringList>

namespace ostrel {

class AppIconArt {
 public:
  static QImage draw(int size);
  // Writes themeDir/<N>x<N>/apps/<icon file> for each size (a hicolor theme
  // tree); returns the files that could not be written.
  static QStringList writeThemeSizes(const QString& themeDir, const QList<int>& sizes);
};

}  // namespace ostrel
