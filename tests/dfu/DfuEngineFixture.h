#pragma once
// An engine wired to a simulated bus, a recording view and device time, with
// a scratch data root holding Version/.

#include "dfu/DfuEngine.h"
#include "dfu/sim/SimulatedUsbBus.h"

#include "DfuTestSupport.h"
#include "ManualDfuClock.h"

#include <gtest/gtest.h>

#include <atomic>
#include <memory>
#include <mutex>

namespace ostrel::test {

inline constexpr const char* kPadPath = "usb-001-004-0483-df11";

class DfuEngineFixture : public ::testing::Test {
 protected:
  DfuEngineFixture();

  std::shared_ptr<SimulatedDfuseDevice> plugPad(SimulatedDfuseConfig config = {}, const std::string& path = kPadPath);
  void writeFirmware(const std::string& name, const DfuseFile& file) { folder.write("Version/" + name, file.serialise()); }
  // The update screen's way in: pad found in state 7, file loaded, upgrade posted in state 8.
  void startAsTheScreenDoes();
  // Polls like the screen's timer until no operation is left; false if it never ends.
  bool pollUntilIdle();
  // Hands the bus's queued device changes to the engine, as the app's dispatcher does.
  void deliverDeviceChanges();
  size_t queuedDeviceChanges();

  ScratchFolder folder;
  ManualDfuClock clock;
  SimulatedUsbBus bus;
  AppState app;
  RecordingView view;
  DfuSharedFlags shared;
  std::unique_ptr<DfuEngine> engine;
  std::mutex eventsMutex;
  std::vector<UsbDeviceEvent> events;
  std::atomic<size_t> delivered{0};  // device changes the engine has taken
};

}  // namespace ostrel::test
