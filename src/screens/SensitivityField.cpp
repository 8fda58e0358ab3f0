#include "screens/SensitivityField.h"

#include <QKeyEvent>

#include "screens/HomeFields.h"

namespace ostrel {

SensitivityField::SensitivityField(QWidget* parent) : QLineEdit(parent) {
  connect(this, &QLineEdit::textChanged, this, &SensitivityField::validate);
}

bool SensitivityField::isAcceptable(const QString& text) {
  if (text == QLatin1String("10")) return true;
  if (text.isEmpty() || text.size() > 2) return false;
  for (QChar c : text) {
    if (!c.isDigit()) return false;
  }
  const int number = text.toInt();
  return number >= 1 && number <= 10;
}

void SensitivityField::setAcceptedText(const QString& text) {
  accepted_ = text;
  setText(text);
}

void SensitivityField::step(int delta) {
  const int number = static_cast<int>(fieldValue(text(), 1)) + delta;
  if (number < 0 || number > 10) return;
  setText(QString::number(number));
}

void SensitivityField::keyPressEvent(QKeyEvent* event) {
  // The key Windows calls VK_OEM_7 (the apostrophe and quote key): its
  // character never belongs in the field, whatever the layout makes of it.
  if (event->key() == Qt::Key_Apostrophe || event->key() == Qt::Key_QuoteDbl) {
    apostropheTyped_ = true;
  }
  QLineEdit::keyPressEvent(event);
}

void SensitivityField::validate(const QString& text) {
  const bool refused = apostropheTyped_ || !isAcceptable(text);
  apostropheTyped_ = false;
  if (refused && text != accepted_) {
    const QSignalBlocker quiet(this);
    setText(accepted_);
  } else {
    accepted_ = text;
  }
  setCursorPosition(static_cast<int>(this->text().size()));
}

}  // namespace ostrel
