#pragma once
// One overview picture per language: every picture the program can show in
// that language (its own folder, the key pictures of its layout folder and
// the shared ones), scaled down on a grid with its name under it.

#include <QString>
#include <QStringList>

namespace ostrel {

class ContactSheet {
 public:
  // Writes contact-<Language>.png into outDir; returns the failures.
  static QStringList writeAll(const QString& resDir, const QString& outDir);
};

}  // namespace ostrel
