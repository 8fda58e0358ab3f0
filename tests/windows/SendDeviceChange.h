#pragma once
// Sends a device-interface notification to the process's device-change
// window, as Windows does when a device arrives or leaves. Tests use it
// where no device can be plugged in (under Wine there is no USB at all).

#include <windows.h>

#include <dbt.h>

#include <string>

namespace ostrel::test {

// False when no such window exists.
bool sendDeviceChange(WPARAM event, const std::string& path, DWORD type = DBT_DEVTYP_DEVICEINTERFACE);

}  // namespace ostrel::test
