#pragma once
// What the firmware update screen needs beside the screens' shared context:
// the USB seam its DFU engine finds the pad's boot loader on, the clock the
// engine and the screen wait with, the update's process-wide flags, and the
// program's message boxes for the engine's questions.

#include <functional>
#include <string>

namespace ostrel {

class DfuClock;
class UsbTransport;
struct DfuSharedFlags;

struct UpdateScreenSetup {
  UsbTransport& usb;
  DfuClock& clock;
  DfuSharedFlags& shared;
  std::function<void(const std::string& text)> showMessage;
  std::function<bool(const std::string& question)> askYesNo;  // true for Yes
};

}  // namespace ostrel
