#pragma once
// Keeps the keys that would close or trigger something on a screen from
// reaching it: Alt+F4, Escape, Enter, and the keys a screen adds (the home
// screen adds Space and F1). Installed on the screen and every control on it.

#include <QObject>

#include <vector>

class QWidget;

namespace ostrel {

class ScreenKeyFilter : public QObject {
  Q_OBJECT

 public:
  ScreenKeyFilter(std::vector<int> extraKeys, QObject* parent);

  // Filters screen and every widget below it (call after the controls exist).
  void installOn(QWidget* screen);

  bool swallows(int key, Qt::KeyboardModifiers modifiers) const;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  std::vector<int> extraKeys_;
};

}  // namespace ostrel
