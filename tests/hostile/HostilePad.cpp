#include "HostilePad.h"

#include "link/PadIdentity.h"

namespace ostrel::testing {

std::vector<HidInterfaceInfo> HostilePad::enumerate() {
  std::vector<HidInterfaceInfo> present;
  for (int number = 0; number < kPadInterfaceCount; ++number) {
    present.push_back({"hostile:if" + std::to_string(number), kPadVendor, kPadProduct, number});
  }
  return present;
}

std::unique_ptr<HidDevice> HostilePad::open(const std::string& path) {
  if (path != "hostile:if" + std::to_string(kCommandInterface)) {
    return std::make_unique<ScriptedHidDevice>(nullptr);
  }
  auto device = std::make_unique<ScriptedHidDevice>(script_);
  command_ = device.get();
  return device;
}

bool HostilePad::idle() { return command_ && command_->idle(); }

}  // namespace ostrel::testing
