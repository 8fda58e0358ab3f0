#pragma once
// Device-interface arrivals and removals of one interface class, as Windows
// sends them: a hidden message-only window, registered for the class with
// RegisterDeviceNotification, on a thread of its own with its own message
// loop. The handler gets each arrival and removal with the interface's path
// (the notification's name) and runs on that thread.

#include <windows.h>

#include <functional>
#include <string>
#include <thread>

namespace ostrel {

class DeviceChangeWindow {
 public:
  using Handler = std::function<void(bool arrival, const std::string& path)>;

  // Creates the window and registers it; returns once that is done.
  DeviceChangeWindow(const GUID& interfaceClass, Handler handler);
  // Unregisters, destroys the window and ends its thread; when it returns
  // the handler is no longer running.
  ~DeviceChangeWindow();
  DeviceChangeWindow(const DeviceChangeWindow&) = delete;
  DeviceChangeWindow& operator=(const DeviceChangeWindow&) = delete;

  // True when the window exists and is registered for the class.
  bool listening() const { return listening_; }

 private:
  static LRESULT CALLBACK windowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  void run(const GUID& interfaceClass, HANDLE ready);
  void onDeviceChange(WPARAM event, LPARAM data) const;

  Handler handler_;
  HWND window_ = nullptr;
  bool listening_ = false;
  std::thread thread_;
};

}  // namespace ostrel
