#pragma once
// The profile download screen against the run's loopback server: contacting,
// the list with three ticked profiles, the progress strip on its way and the
// success picture.

namespace ostrel {

class ScreenshotRun;

void downloadShots(ScreenshotRun& run);

}  // namespace ostrel
