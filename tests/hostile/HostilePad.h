#pragma once
// A pad present from the start whose command interface answers through a
// script (any bytes, any length, any order); its key interface stays silent.

#include <memory>

#include "ScriptedHidDevice.h"
#include "link/hid/HidBackend.h"

namespace ostrel::testing {

class HostilePad : public HidBackend {
 public:
  explicit HostilePad(AnswerScript script) : script_(std::move(script)) {}

  std::vector<HidInterfaceInfo> enumerate() override;
  std::unique_ptr<HidDevice> open(const std::string& path) override;
  void startEvents(HidEventHandler) override {}
  void stopEvents() override {}

  // The command interface opened last has handled every answer. Only while
  // the link holds that interface open.
  bool idle();

 private:
  AnswerScript script_;
  ScriptedHidDevice* command_ = nullptr;
};

}  // namespace ostrel::testing
