#pragma once
// A HID interface whose input reports are any bytes of any length: each
// report written to it is answered by a script, whose answers are read back
// in the order it gave them.

#include <condition_variable>
#include <cstdint>
#include <deque>
#include <functional>
#include <mutex>
#include <vector>

#include "link/ReportCodec.h"
#include "link/hid/HidDevice.h"

namespace ostrel::testing {

using Bytes = std::vector<uint8_t>;
using AnswerScript = std::function<std::vector<Bytes>(const Report& command)>;

class ScriptedHidDevice : public HidDevice {
 public:
  explicit ScriptedHidDevice(AnswerScript script) : script_(std::move(script)) {}

  int readReport(uint8_t* buffer, std::size_t size) override;
  bool writeReport(const uint8_t* data, std::size_t size,
                   std::chrono::milliseconds timeout) override;
  void close() override;

  // True while a reader waits and no answer is left: everything the script
  // said has been read and handled.
  bool idle();

 private:
  AnswerScript script_;
  std::mutex mutex_;
  std::condition_variable changed_;
  std::deque<Bytes> answers_;
  bool closed_ = false;
  bool waiting_ = false;
};

}  // namespace ostrel::testing
