#pragma once
// Which key the button mapping screen assigns for a key event. A key is taken
// when it is released, so that Escape, Enter and Space (whose presses the
// screen drops) can be mapped too; keypad digits count as the main-block
// digits, and the keypad's Clear is ignored. While Alt or F10 is held, presses
// are taken at once with their own key (Alt alone gives 18, F10 gives 121),
// because those keys belong to the system's menu handling.

#include <optional>

class QKeyEvent;

namespace ostrel {

class ButtonKeyRule {
 public:
  static constexpr int kClear = 12;
  static constexpr int kAlt = 18;
  static constexpr int kF10 = 121;

  // The VK that the event assigns to the selected cell, if any. layout is the
  // keyboard layout in force.
  std::optional<int> assignedKey(const QKeyEvent& event, int layout);
  // Forgets a held F10 whose release the screen did not see (it was hidden).
  void reset() { f10Held_ = false; }

 private:
  bool systemKeysHeld(const QKeyEvent& event, int vk) const;

  bool f10Held_ = false;
};

}  // namespace ostrel
