#include "SendDeviceChange.h"

#include <vector>

namespace ostrel::test {

bool sendDeviceChange(WPARAM event, const std::string& path, DWORD type) {
  HWND window = FindWindowExA(HWND_MESSAGE, nullptr, "OstrelDeviceChangeWindow", nullptr);
  if (!window) return false;
  std::vector<char> record(sizeof(DEV_BROADCAST_DEVICEINTERFACE_A) + path.size());
  auto* device = reinterpret_cast<DEV_BROADCAST_DEVICEINTERFACE_A*>(record.data());
  device->dbcc_size = static_cast<DWORD>(record.size());
  device->dbcc_devicetype = type;
  path.copy(device->dbcc_name, path.size());
  SendMessageA(window, WM_DEVICECHANGE, event, reinterpret_cast<LPARAM>(device));
  return true;
}

}  // namespace ostrel::test
