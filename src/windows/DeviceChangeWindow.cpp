#include "windows/DeviceChangeWindow.h"

#include <dbt.h>

namespace ostrel {
namespace {

constexpr const char* kClassName = "OstrelDeviceChangeWindow";

// One window class for every such window of the process.
bool registerClass(WNDPROC procedure) {
  WNDCLASSEXA windowClass{};
  windowClass.cbSize = sizeof windowClass;
  windowClass.lpfnWndProc = procedure;
  windowClass.hInstance = GetModuleHandleA(nullptr);
  windowClass.lpszClassName = kClassName;
  return RegisterClassExA(&windowClass) != 0 || GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
}

}  // namespace

DeviceChangeWindow::DeviceChangeWindow(const GUID& interfaceClass, Handler handler)
    : handler_(std::move(handler)) {
  HANDLE ready = CreateEventA(nullptr, TRUE, FALSE, nullptr);
  if (!ready) return;
  thread_ = std::thread([this, interfaceClass, ready] { run(interfaceClass, ready); });
  WaitForSingleObject(ready, INFINITE);
  CloseHandle(ready);
}

DeviceChangeWindow::~DeviceChangeWindow() {
  // The window belongs to its thread: ask that thread to close it.
  if (window_) PostMessageA(window_, WM_CLOSE, 0, 0);
  if (thread_.joinable()) thread_.join();
}

void DeviceChangeWindow::run(const GUID& interfaceClass, HANDLE ready) {
  if (registerClass(&DeviceChangeWindow::windowProc)) {
    window_ = CreateWindowExA(0, kClassName, "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, GetModuleHandleA(nullptr),
                              nullptr);
  }
  HDEVNOTIFY registration = nullptr;
  if (window_) {
    SetWindowLongPtrA(window_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    DEV_BROADCAST_DEVICEINTERFACE_A filter{};
    filter.dbcc_size = sizeof filter;
    filter.dbcc_devicetype = DBT_DEVTYP_DEVICEINTERFACE;
    filter.dbcc_classguid = interfaceClass;
    registration = RegisterDeviceNotificationA(window_, &filter, DEVICE_NOTIFY_WINDOW_HANDLE);
    listening_ = registration != nullptr;
  }
  const bool created = window_ != nullptr;
  SetEvent(ready);  // the constructor may return now; ready is its to close
  if (!created) return;
  MSG message;
  while (GetMessageA(&message, nullptr, 0, 0) > 0) DispatchMessageA(&message);
  if (registration) UnregisterDeviceNotification(registration);
}

LRESULT CALLBACK DeviceChangeWindow::windowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  const auto* self = reinterpret_cast<const DeviceChangeWindow*>(GetWindowLongPtrA(window, GWLP_USERDATA));
  switch (message) {
    case WM_DEVICECHANGE:
      if (self) self->onDeviceChange(wParam, lParam);  // none before it is set up
      return TRUE;
    case WM_DESTROY:
      PostQuitMessage(0);
      return 0;
    default:
      return DefWindowProcA(window, message, wParam, lParam);
  }
}

void DeviceChangeWindow::onDeviceChange(WPARAM event, LPARAM data) const {
  // Only arrivals and completed removals of device interfaces count.
  if (event != DBT_DEVICEARRIVAL && event != DBT_DEVICEREMOVECOMPLETE) return;
  const auto* header = reinterpret_cast<const DEV_BROADCAST_HDR*>(data);
  if (!header || header->dbch_devicetype != DBT_DEVTYP_DEVICEINTERFACE) return;
  const auto* device = reinterpret_cast<const DEV_BROADCAST_DEVICEINTERFACE_A*>(header);
  handler_(event == DBT_DEVICEARRIVAL, device->dbcc_name);
}

}  // namespace ostrel
