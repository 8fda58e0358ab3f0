#pragma once
// A sensitivity field of the home screen: holds a whole number 1 to 10. Every
// change that leaves that range (or types a character that is not a digit)
// puts the last accepted text back at once.

#include <QLineEdit>

namespace ostrel {

class SensitivityField : public QLineEdit {
  Q_OBJECT

 public:
  explicit SensitivityField(QWidget* parent = nullptr);

  // Sets the text as accepted, without validation (the screen filling it).
  void setAcceptedText(const QString& text);
  // Adds delta to the field's number; the change goes through validation. A
  // result above 10 or below 0 is refused.
  void step(int delta);

  static bool isAcceptable(const QString& text);

 protected:
  void keyPressEvent(QKeyEvent* event) override;

 private:
  void validate(const QString& text);

  QString accepted_;
  bool apostropheTyped_ = false;
};

}  // namespace ostrel
