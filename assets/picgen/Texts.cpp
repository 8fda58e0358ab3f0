#include "Texts.h"

#include <QFile>
#include <QTextStream>

namespace ostrel {

bool Texts::load(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) {
    failures_ << QString("cannot read %1").arg(path);
    return false;
  }
  QTextStream in(&file);
  in.setEncoding(QStringConverter::Utf8);
  bool ok = true;
  for (int number = 1; !in.atEnd(); ++number) {
    const QString line = in.readLine().trimmed();
    if (line.isEmpty() || line.startsWith('#')) continue;
    const qsizetype equals = line.indexOf('=');
    const QString key = line.left(equals).trimmed();
    if (equals <= 0 || key.isEmpty() || texts_.contains(key)) {
      failures_ << QString("%1:%2: malformed or repeated line").arg(path).arg(number);
      ok = false;
      continue;
    }
    texts_.insert(key, line.mid(equals + 1).trimmed().replace("\\n", "\n"));
  }
  return ok;
}

QString Texts::operator()(const QString& key) const {
  const auto found = texts_.constFind(key);
  if (found != texts_.constEnd() && !found->isEmpty()) return *found;
  failures_ << QString("missing text \"%1\"").arg(key);
  return QString();
}

}  // namespace ostrel
