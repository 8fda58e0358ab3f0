#pragma once
// The USB vendor and product that a Windows device-interface path names,
// e.g. "\\?\HID#VID_E7C1&PID_5A0D&MI_03#..." . A removed device can no longer
// be asked, so its path is all there is. Upper or lower case alike: the
// system writes these paths either way.

#include <string_view>

#include "link/hid/HidBackend.h"

namespace ostrel {

// Sets info's vendorId and productId from the first "VID_" and "PID_", each
// followed by four hexadecimal digits; false (info unchanged) when either is
// missing.
bool readUsbIdsFromPath(std::string_view path, HidInterfaceInfo& info);

}  // namespace ostrel
