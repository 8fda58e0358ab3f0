#pragma once
// The user's profile list (filled, and with its delete prompt), the maker's
// list (with the profiles the download screen fetched) and the list of the
// pad's slot names, each opened from the home screen.

namespace ostrel {

class ScreenshotRun;

void listShots(ScreenshotRun& run);

}  // namespace ostrel
