// The picture generator: writes every picture of the program's screens into a
// res/ folder, or (with --contact-sheets) one overview picture per language of
// an existing res/ folder, or (with --icons) the application icon at the given
// sizes into a hicolor icon theme tree. Fails when a picture or a text is
// missing or a text does not fit its box.

#include <QGuiApplication>
#include <QTextStream>

#include "AppIconArt.h"
#include "ContactSheet.h"
#include "PictureSet.h"

int main(int argc, char** argv) {
  QGuiApplication app(argc, argv);
  const QStringList args = app.arguments();
  QTextStream err(stderr);
  if (args.size() == 4 && args[1] == "--contact-sheets") {
    const QStringList failures = ostrel::ContactSheet::writeAll(args[2], args[3]);
    for (const QString& failure : failures) err << failure << "\n";
    return failures.isEmpty() ? 0 : 1;
  }
  if (args.size() >= 4 && args[1] == "--icons") {
    QList<int> sizes;
    for (const QString& size : args.mid(3)) sizes << size.toInt();
    const QStringList failures = ostrel::AppIconArt::writeThemeSizes(args[2], sizes);
    for (const QString& failure : failures) err << "picture generator: cannot write " << failure << "\n";
    return failures.isEmpty() ? 0 : 1;
  }
  if (args.size() != 3) {
    err << "usage: ostrel-picgen RES_DIR TEXTS_DIR\n"
        << "       ostrel-picgen --contact-sheets RES_DIR OUT_DIR\n"
        << "       ostrel-picgen --icons THEME_DIR SIZE...\n";
    return 2;
  }
  const QStringList failures = ostrel::PictureSet::standard().generate(args[1], args[2]);
  for (const QString& failure : failures) err << "picture generator: " << failure << "\n";
  return failures.isEmpty() ? 0 : 1;
}
