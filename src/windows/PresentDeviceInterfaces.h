#pragma once
// The device interfaces of one class that are present now, in the order
// SetupAPI lists them, with the path that CreateFile opens and the name of
// the device's driver service (e.g. "WinUSB", "HidUsb").

#include <windows.h>

#include <string>
#include <vector>

namespace ostrel {

struct DeviceInterface {
  std::string path;
  std::string service;  // empty when the device has none or it cannot be read
};

// An interface whose path cannot be read is left out; when memory runs out
// the list ends with what was found so far.
std::vector<DeviceInterface> presentDeviceInterfaces(const GUID& interfaceClass);

}  // namespace ostrel
