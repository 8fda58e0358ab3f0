#pragma once
// A number field of the stick screen (static or dynamic dead zone, or one of
// the two sensitivities). Every text change is checked at once: a text the
// field's rule refuses is replaced by the last valid text, and so is the
// first change after the screen was told to reject the next one (the key the
// screen drops for that reason composes its accent into the next character).

#include <QLineEdit>
#include <QString>

namespace ostrel {

class StickField : public QLineEdit {
  Q_OBJECT

 public:
  enum class Kind { StaticDeadZone, DynamicDeadZone, Sensitivity };

  // rejectNext is the screen's flag, shared by its four fields.
  StickField(Kind kind, bool& rejectNext, QWidget* parent = nullptr);

  // Whether the field accepts text: whole numbers only; the static dead zone
  // 0..99 in at most two characters, the dynamic one 0..100, a sensitivity
  // 1..10.
  static bool accepts(Kind kind, const QString& text);

  // Shows text as the screen loads it: through the field's check, so a value
  // the field refuses leaves the last valid text.
  void load(const QString& text);
  // The up-down: adds delta within the up-down's range (the dead zones 0..99
  // and 0..100, a sensitivity 0..10); the result goes through the check.
  void step(int delta);
  // The field's whole number (0 when it holds none).
  int number() const;
  const QString& lastValid() const { return lastValid_; }

 Q_SIGNALS:
  // After every text change has been checked.
  void settled();

 private:
  void check(const QString& text);
  int stepMaximum() const;

  Kind kind_;
  bool& rejectNext_;
  QString lastValid_;
};

}  // namespace ostrel
