#pragma once
// The stick screen's keys: only the digits of the main block and of the
// keypad reach its controls. The key Windows calls VK_OEM_7 (0xDE) is dropped
// too, but reported first, because on several layouts it is a dead key whose
// accent arrives with the next character. Every other key press is dropped,
// so Tab, Space, Escape, Enter, F1, Alt+F4, the arrows and the editing keys
// never reach a control.

#include <QObject>

#include <functional>

class QKeyEvent;
class QWidget;

namespace ostrel {

class StickKeyFilter : public QObject {
  Q_OBJECT

 public:
  // layout gives the keyboard layout in force; onRejectKey runs for the
  // 0xDE key.
  StickKeyFilter(std::function<int()> layout, std::function<void()> onRejectKey, QObject* parent);

  // Filters screen and every widget below it (call after the controls exist).
  void installOn(QWidget* screen);

  static bool isDigit(const QKeyEvent& key);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  std::function<int()> layout_;
  std::function<void()> onRejectKey_;
};

}  // namespace ostrel
