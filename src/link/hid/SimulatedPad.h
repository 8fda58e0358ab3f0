#pragma once
// An in-process pad behind the HID backend interface, for the tests, the demo
// program and the screenshots. It can be plugged in (four HID interfaces,
// numbered 0 to 3, each announced by its own arrival), pulled out, switched
// to Xbox 360 mode, and it leaves the bus when told '^' (the detach handler
// then lets the simulated boot loader appear). Its answers come after a
// settable delay. Thread-safe; devices it opened must not outlive it.

#include <functional>
#include <mutex>
#include <vector>

#include "link/hid/HidBackend.h"
#include "link/hid/SimulatedPadDevice.h"
#include "link/hid/SimulatedPadFirmware.h"

namespace ostrel {

class SimulatedPad : public HidBackend {
 public:
  enum class Mode { Unplugged, Pad, Xbox360 };
  // Decides whether the pad answers a command; false leaves it unanswered.
  using RequestFilter = std::function<bool(const Report& command)>;

  SimulatedPad() = default;
  ~SimulatedPad() override;
  SimulatedPad(const SimulatedPad&) = delete;
  SimulatedPad& operator=(const SimulatedPad&) = delete;

  static std::string interfacePath(int number);
  static std::string xbox360Path();

  // The bus side.
  void plug();
  void unplug();
  void switchToXbox360();
  Mode mode() const;
  void setAnswerDelay(std::chrono::milliseconds delay);
  void setDetachHandler(std::function<void()> handler);
  void setRequestFilter(RequestFilter filter);
  // Puts an input report on the key interface, as a key press would.
  void sendKeyReport(const Report& report);

  // The pad's side: its stored state, read or changed under its lock.
  void withFirmware(const std::function<void(SimulatedPadFirmware&)>& use);
  // Every report written to the command interface, in order.
  std::vector<Report> receivedReports() const;
  void clearReceivedReports();

  std::vector<HidInterfaceInfo> enumerate() override;
  std::unique_ptr<HidDevice> open(const std::string& path) override;
  void startEvents(HidEventHandler handler) override;
  void stopEvents() override;

 private:
  bool hostWrite(int interfaceNumber, const Report& report);
  std::vector<HidInterfaceInfo> present() const;  // mutex_ held
  void deliver(int interfaceNumber, const std::vector<Report>& reports,
               std::chrono::milliseconds delay);  // mutex_ held
  void emit(HidEventType type, const std::vector<HidInterfaceInfo>& devices);
  void leaveBus();

  mutable std::mutex mutex_;
  Mode mode_ = Mode::Unplugged;
  SimulatedPadFirmware firmware_;
  std::chrono::milliseconds answerDelay_{0};
  RequestFilter requestFilter_;
  std::function<void()> detachHandler_;
  std::vector<std::pair<int, std::weak_ptr<SimulatedChannel>>> channels_;
  std::vector<Report> received_;
  std::mutex handlerMutex_;
  HidEventHandler handler_;
};

}  // namespace ostrel
