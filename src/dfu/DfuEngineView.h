#pragma once
// What the DFU engine needs from the update screen: its questions and message
// boxes, the text progress bar, and the screen's sequence for the ready hook
// and the failure switch. The update screen implements it; tests record it.
// Every call comes on the engine's (the user-interface) thread.

#include <cstdint>
#include <string>

namespace ostrel {

struct DfuRgb {
  uint8_t r = 0, g = 0, b = 0;
  bool operator==(const DfuRgb&) const = default;
};

struct DfuProgressColours {
  DfuRgb bar;
  DfuRgb background;
  DfuRgb textOnBar;
  DfuRgb textOnBackground;
  bool operator==(const DfuProgressColours&) const = default;
};

class DfuEngineView {
 public:
  virtual ~DfuEngineView() = default;

  // A Yes/No question; true for Yes.
  virtual bool askYesNo(const std::string& question) = 0;
  // A message box with OK.
  virtual void showMessage(const std::string& text) = 0;

  virtual void setProgressColours(const DfuProgressColours& colours) = 0;
  virtual void setProgressText(const std::string& text) = 0;
  virtual void setProgressPosition(int position) = 0;

  // The update screen's sequence state (its updateState).
  virtual int32_t updateState() const = 0;
  // The failure switch: the sequence moves to its failed state.
  virtual void failUpdate() = 0;
  // Ready hook before any screen was shown: open the profile container with
  // the update screen shown, and stop this window's timer.
  virtual void openRecoveryScreen() = 0;
  // Ready hook otherwise: hide the other screens, start the update sequence
  // and show the update screen.
  virtual void startRecovery() = 0;
};

}  // namespace ostrel
