#include "screens/ButtonKeyRule.h"

#include <QKeyEvent>

#include "screens/KeyCapture.h"

namespace ostrel {
namespace {

constexpr int kFirstKeypadDigit = 96;   // keypad 0
constexpr int kLastKeypadDigit = 105;   // keypad 9
constexpr int kKeypadToMainDigit = 48;  // keypad n - '0'
// The system's menu handling passes on only keys up to F12.
constexpr int kLastSystemKey = 123;

bool droppedPress(const QKeyEvent& event) {
  const int key = event.key();
  if (key == Qt::Key_F4 && (event.modifiers() & Qt::AltModifier)) return true;
  return key == Qt::Key_Escape || key == Qt::Key_Return || key == Qt::Key_Enter ||
         key == Qt::Key_Space;
}

}  // namespace

bool ButtonKeyRule::systemKeysHeld(const QKeyEvent& event, int vk) const {
  return f10Held_ || vk == kAlt || vk == kF10 || (event.modifiers() & Qt::AltModifier);
}

std::optional<int> ButtonKeyRule::assignedKey(const QKeyEvent& event, int layout) {
  const int vk = capturedVirtualKey(event, layout);
  const bool press = event.type() == QEvent::KeyPress;
  if (press && droppedPress(event)) return std::nullopt;
  // The desktop repeats a held key as release and press pairs: the key is
  // still down, so nothing was released.
  if (!press && event.isAutoRepeat()) return std::nullopt;

  const bool system = systemKeysHeld(event, vk);
  if (vk == kF10) f10Held_ = press;
  if (system) {
    if (vk >= 1 && vk <= kLastSystemKey) return vk;
    return std::nullopt;
  }
  if (press || vk == 0 || vk == kClear) return std::nullopt;
  if (vk >= kFirstKeypadDigit && vk <= kLastKeypadDigit) return vk - kKeypadToMainDigit;
  return vk;
}

}  // namespace ostrel
