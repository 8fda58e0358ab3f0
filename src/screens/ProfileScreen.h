#pragma once
// What one profile screen of the container offers the other screens. The home
// screen refreshes, checks and resets the editors through it; a screen
// implements only what it edits (the defaults do nothing).
//
// User-interface thread only.

namespace ostrel {

class ProfileScreen {
 public:
  virtual ~ProfileScreen() = default;

  // currentSlot changed, or the screen is about to be shown for it: show the
  // slot's name and fill the controls from the slot's edit values.
  virtual void loadSlot() {}

  // The slot's profile, name or keyboard layout may have changed elsewhere:
  // fill the controls again unless they still show the slot as it is.
  virtual void followSlot() {}

  // Takes the controls' values into the slot's edit values; true when the
  // slot now differs from what is saved for it.
  virtual bool collectChanges() { return false; }

  // Puts the screen's part of the profile back to the built-in defaults (the
  // home screen's upper Reset runs it for the stick and button screens).
  virtual void resetToDefaults() {}

  // resourceFolder changed: load the button pictures from the new folder.
  virtual void reloadPictures() {}
};

}  // namespace ostrel
