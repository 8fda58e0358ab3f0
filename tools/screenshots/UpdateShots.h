#pragma once
// The firmware update screen on the simulated pad and boot loader, against
// the run's loopback server: no pad, no server, a failed update and the
// recovery that follows, then a whole update from the contacting picture to
// the success picture.

namespace ostrel {

class DemoServer;
class ScreenshotRun;
class SimulatedPadRig;

void updateShots(ScreenshotRun& run, SimulatedPadRig& rig, DemoServer& server);

}  // namespace ostrel
