#pragma once
// Whether the firmware on the server is worth offering, and the version
// texts and numbers that decision and the version refresh work with.

#include <string>

namespace ostrel {

class ProfileLibrary;
struct AppState;

// A version as "%.2f" formats it ("1.00"), whatever the locale.
std::string formatVersion(float version);

// The number a version text starts with: leading white space skipped, an
// optional sign, digits, an optional fraction. Text that does not start with
// a number, or states one of 10000 or more, reads as 0.
float versionNumber(const std::string& text);

// Offer the update when serverText differs from the pad's version as text
// and the pad's version is below the server's: never a downgrade, never the
// same version written differently, never a text that states no version.
bool updateOffered(float padFirmwareVersion, const std::string& serverText);

// After a successful update: a recovery wrote the factory firmware, which is
// version 1.00; then the pad's version is taken from the version file, so the
// screens show the new version before the pad reports it.
void refreshVersion(ProfileLibrary& library, AppState& state, bool recoveryMode);

}  // namespace ostrel
