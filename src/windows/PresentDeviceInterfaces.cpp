#include "windows/PresentDeviceInterfaces.h"

#include <setupapi.h>

#include <new>

namespace ostrel {
namespace {

// The interface's path (empty when it cannot be read), and its device's record.
std::string pathOf(HDEVINFO set, SP_DEVICE_INTERFACE_DATA& interfaceData, SP_DEVINFO_DATA& device) {
  DWORD size = 0;
  SetupDiGetDeviceInterfaceDetailA(set, &interfaceData, nullptr, 0, &size, nullptr);
  if (size < sizeof(SP_DEVICE_INTERFACE_DETAIL_DATA_A)) return {};
  std::vector<char> block(size);  // may throw std::bad_alloc: the walk ends
  auto* detail = reinterpret_cast<SP_DEVICE_INTERFACE_DETAIL_DATA_A*>(block.data());
  detail->cbSize = sizeof(SP_DEVICE_INTERFACE_DETAIL_DATA_A);  // the fixed part, not the block
  if (!SetupDiGetDeviceInterfaceDetailA(set, &interfaceData, detail, size, nullptr, &device)) return {};
  return detail->DevicePath;
}

std::string serviceOf(HDEVINFO set, SP_DEVINFO_DATA& device) {
  char name[256] = {};
  if (!SetupDiGetDeviceRegistryPropertyA(set, &device, SPDRP_SERVICE, nullptr, reinterpret_cast<BYTE*>(name),
                                         sizeof name - 1, nullptr))
    return {};
  return name;
}

}  // namespace

std::vector<DeviceInterface> presentDeviceInterfaces(const GUID& interfaceClass) {
  std::vector<DeviceInterface> found;
  HDEVINFO set = SetupDiGetClassDevsA(&interfaceClass, nullptr, nullptr, DIGCF_PRESENT | DIGCF_DEVICEINTERFACE);
  if (set == INVALID_HANDLE_VALUE) return found;
  SP_DEVICE_INTERFACE_DATA interfaceData{};
  interfaceData.cbSize = sizeof interfaceData;
  try {
    for (DWORD index = 0; SetupDiEnumDeviceInterfaces(set, nullptr, &interfaceClass, index, &interfaceData);
         ++index) {
      SP_DEVINFO_DATA device{};
      device.cbSize = sizeof device;
      std::string path = pathOf(set, interfaceData, device);
      if (!path.empty()) found.push_back({std::move(path), serviceOf(set, device)});
    }
  } catch (const std::bad_alloc&) {
    // Out of memory: the list ends with what was found so far.
  }
  SetupDiDestroyDeviceInfoList(set);
  return found;
}

}  // namespace ostrel
