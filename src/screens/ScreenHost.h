#pragma once
// What a profile screen asks of the container that holds it. The container
// implements it; tests use a fake that records the calls.
//
// Screens change AppState themselves (ScreenId, saveReason, slotPage, ...)
// and then ask the host to act on it. User-interface thread only.

#include <cstdint>
#include <string>

namespace ostrel {

class ProfileScreen;

class ScreenHost {
 public:
  virtual ~ScreenHost() = default;

  // While LinkState is 1 (or 3, the pad in DFU mode): shows the screen that
  // ScreenId selects and hides the other profile screens and the
  // not-connected screen; a number whose screen the container does not hold
  // yet selects the home screen, like a number outside 1..12. Otherwise: shows the not-connected screen alone.
  // A screen leads to another by setting ScreenId (and saveReason for the save
  // prompt) and calling this.
  virtual void showCurrentScreen() = 0;

  // The screen with that number (ScreenNumber of profile/AppState.h), for
  // the calls the screens make on each other; nullptr for a screen the
  // container does not hold yet.
  virtual ProfileScreen* screen(int32_t screenNumber) = 0;

  // Opens a web address with the desktop's browser (the shell seam).
  virtual void openWebAddress(const std::string& address) = 0;

  // Ends the program the normal way, as the main window's QUIT does.
  virtual void quitProgram() = 0;
};

}  // namespace ostrel
