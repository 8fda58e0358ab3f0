#include "screens/StickField.h"

#include <QSignalBlocker>

#include "screens/HomeFields.h"

namespace ostrel {
namespace {

bool allDigits(const QString& text) {
  for (QChar c : text) {
    if (c < u'0' || c > u'9') return false;
  }
  return true;
}

}  // namespace

StickField::StickField(Kind kind, bool& rejectNext, QWidget* parent)
    : QLineEdit(parent), kind_(kind), rejectNext_(rejectNext) {
  // Pasting would slip past the screen's key filter.
  setContextMenuPolicy(Qt::NoContextMenu);
  connect(this, &QLineEdit::textChanged, this, &StickField::check);
}

bool StickField::accepts(Kind kind, const QString& text) {
  if (!allDigits(text)) return false;
  bool whole = true;
  const int v = text.isEmpty() ? 0 : text.toInt(&whole);
  if (!whole) return false;
  const bool short2 = text.size() <= 2;
  switch (kind) {
    case Kind::StaticDeadZone:
      return short2 && v >= 0 && v <= 99;
    case Kind::DynamicDeadZone:
      return v == 100 || (short2 && v >= 0 && v <= 100);
    case Kind::Sensitivity:
      return v == 10 || (short2 && v >= 1 && v <= 10);
  }
  return false;
}

void StickField::load(const QString& text) {
  // A load is no typing: the flag waits for the person's next change.
  const bool reject = rejectNext_;
  rejectNext_ = false;
  setText(text);
  rejectNext_ = reject;
}

int StickField::stepMaximum() const {
  switch (kind_) {
    case Kind::StaticDeadZone:
      return 99;
    case Kind::DynamicDeadZone:
      return 100;
    case Kind::Sensitivity:
      return 10;
  }
  return 0;
}

void StickField::step(int delta) {
  const int next = number() + delta;
  if (next < 0 || next > stepMaximum()) return;
  setText(QString::number(next));
}

int StickField::number() const { return static_cast<int>(fieldValue(text(), 1)); }

void StickField::check(const QString& text) {
  QString result = text;
  if (rejectNext_) {
    rejectNext_ = false;
    result = lastValid_;
  } else if (!accepts(kind_, text)) {
    result = lastValid_;
  }
  if (result != text) {
    const QSignalBlocker quiet(this);
    setText(result);
  }
  lastValid_ = result;
  setCursorPosition(static_cast<int>(result.size()));
  Q_EMIT settled();
}

}  // namespace ostrel
