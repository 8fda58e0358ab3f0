#pragma once
// The painters of all pictures, by catalog name, and the run that writes the
// whole res/ tree from them.

#include <QString>
#include <QStringList>
#include <map>
#include <string>

#include "PaintContext.h"

namespace ostrel {

class PictureSet {
 public:
  // Every painter of the program's pictures.
  static PictureSet standard();

  void add(const std::string& name, Painter painter);
  bool has(const std::string& name) const { return painters_.count(name) != 0; }

  // Paints one picture; an image of the wrong size is a failure of its painter.
  QImage paint(const PaintContext& ctx, QStringList& failures) const;

  // Writes every catalog picture below resDir (the res/ folder) with the texts
  // of textsDir, two languages at a time. Returns every failure: missing
  // painters or texts, texts that do not fit, files that cannot be written.
  QStringList generate(const QString& resDir, const QString& textsDir) const;

 private:
  QStringList generateFolder(int language, const QString& resDir, const QString& textsDir) const;
  std::map<std::string, Painter> painters_;
};

// Language folder names in language order (English ... Portuguese).
QString languageName(int language);

}  // namespace ostrel
