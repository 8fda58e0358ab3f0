// Vendor and product from Windows device-interface paths: the removal of a
// pad interface can be recognised by its path alone.

#include <gtest/gtest.h>

#include "link/hid/UsbIdsInPath.h"

namespace ostrel {
namespace {

TEST(UsbIdsInPath, ReadsVendorAndProductInEitherCase) {
  struct Case {
    const char* path;
    bool found;
    uint16_t vendor;
    uint16_t product;
  };
  const Case cases[] = {
      // As notifications name them, and as SetupAPI lists them.
      {R"(\\?\HID#VID_E7C1&PID_5A0D&MI_03#7&2b3c4d5e&0&0000#{4d1e55b2-f16f-11cf-88cb-001111000030})", true, 0xE7C1,
       0x5A0D},
      {R"(\\?\hid#vid_e7c1&pid_5a0d&mi_00#7&1a2b3c4d&0&0000#{4d1e55b2-f16f-11cf-88cb-001111000030})", true, 0xE7C1,
       0x5A0D},
      {R"(\\?\HID#VID_045E&PID_028E&IG_00#8&1b2c3d4e&0&0000#{4d1e55b2-f16f-11cf-88cb-001111000030})", true, 0x045E,
       0x028E},
      {R"(\\?\USB#VID_0483&PID_DF11#205F32A14E4D#{a5dcbf10-6530-11d2-901f-00c04fb951ed})", true, 0x0483, 0xDF11},
      // Another device of the pad's maker is still recognised as what it is.
      {R"(\\?\HID#VID_E7C1&PID_5A0E&MI_00#1#{x})", true, 0xE7C1, 0x5A0E},
      // Paths that do not name both.
      {R"(\\?\HID#VID_E7C1#1)", false, 0, 0},
      {R"(\\?\HID#PID_5A0D#1)", false, 0, 0},
      {R"(\\?\HID#VID_E7C&PID_5A0D#1)", false, 0, 0},  // three digits, then a non-digit
      {R"(\\?\HID#VID_E7C1&PID_5A0)", false, 0, 0},     // cut short
      {R"(\\?\HID#VID_G7C1&PID_5A0D#1)", false, 0, 0},
      {"", false, 0, 0},
  };
  for (const Case& c : cases) {
    HidInterfaceInfo info;
    info.vendorId = 1;
    info.productId = 2;
    EXPECT_EQ(readUsbIdsFromPath(c.path, info), c.found) << c.path;
    EXPECT_EQ(info.vendorId, c.found ? c.vendor : 1) << c.path;
    EXPECT_EQ(info.productId, c.found ? c.product : 2) << c.path;
  }
}

}  // namespace
}  // namespace ostrel
