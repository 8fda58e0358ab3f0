#pragma once
// The visible texts of one language, read from assets/texts/<Language>.txt:
// one "key = text" per line, "#" starts a comment line, "\n" in a text is a
// line break. Asking for a key the file lacks is recorded as a failure.

#include <QHash>
#include <QString>
#include <QStringList>

namespace ostrel {

class Texts {
 public:
  // False (with a failure recorded) when the file cannot be read or has a
  // malformed line.
  bool load(const QString& path);
  void insert(const QString& key, const QString& text) { texts_.insert(key, text); }

  QString operator()(const QString& key) const;
  bool has(const QString& key) const { return texts_.contains(key); }
  QStringList keys() const { return texts_.keys(); }
  const QStringList& failures() const { return failures_; }

 private:
  QHash<QString, QString> texts_;
  mutable QStringList failures_;
};

}  // namespace ostrel
