#pragma once
// What the link tells the screens. Every call comes on the owner thread
// (directly, or through the dispatcher for what the pad's answers cause).

#include <cstdint>

namespace ostrel {

class LinkObserver {
 public:
  virtual ~LinkObserver() = default;
  // LinkState became 1 or 2: repaint, and let the container show its screen.
  virtual void linkStateChanged(int32_t /*linkState*/) {}
  // The grace time after a removal ended (LinkState may be 0 still or again).
  virtual void graceTimeEnded() {}
  // A pad answer changed AppState (names, version, pulsation, notice, report).
  virtual void padDataChanged() {}
  // A received profile switched the language: highlight and select its flag.
  virtual void languageReceived(int /*language*/) {}
  // All four profiles arrived; the language folder follows the pad.
  virtual void connectionSequenceDone() {}
};

}  // namespace ostrel
