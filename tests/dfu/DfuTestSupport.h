#pragma once
// Shared pieces of the firmware update tests: a scratch folder, DfuSe files
// made in memory, a view that records what the engine shows, and waiting for
// the background operation without timing anything.

#include "dfu/DfuEngineView.h"
#include "dfu/DfuseFile.h"
#include "dfu/sim/SimulatedFirmwareImage.h"
#include "TempDir.h"

#include <deque>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

namespace ostrel::test {

class ScratchFolder {
 public:
  const std::filesystem::path& path() const { return dir_.path(); }
  std::string root() const { return path().string() + "/"; }
  void write(const std::string& relative, const std::vector<uint8_t>& bytes) const;

 private:
  TempDir dir_;
};

// size bytes of a pattern that differs from block to block.
std::vector<uint8_t> pattern(size_t size, uint8_t seed);

// A file for the pad (0483:DF11) with one image for alternate 0 holding the
// given elements.
inline DfuseFile padFile(std::vector<DfuseElement> elements, uint8_t alternate = 0) {
  return simulatedPadFile(std::move(elements), alternate);
}

// Polls until done() holds; false if it never does within a generous bound.
bool eventually(const std::function<bool()>& done);

class RecordingView : public DfuEngineView {
 public:
  bool askYesNo(const std::string& question) override;
  void showMessage(const std::string& text) override { boxes.push_back(text); }
  void setProgressColours(const DfuProgressColours& c) override { colours = c; }
  void setProgressText(const std::string& text) override { texts.push_back(text); }
  void setProgressPosition(int p) override { position = p; }
  int32_t updateState() const override { return state; }
  void failUpdate() override { ++failures; }
  void openRecoveryScreen() override { ++recoveryScreens; }
  void startRecovery() override { ++recoveries; }

  bool shown(const std::string& text) const;
  std::string lastText() const { return texts.empty() ? std::string() : texts.back(); }

  std::deque<bool> answers;  // Yes when empty
  std::vector<std::string> questions;
  std::vector<std::string> boxes;
  std::vector<std::string> texts;
  DfuProgressColours colours;
  int position = -1;
  int32_t state = 0;
  int failures = 0;
  int recoveryScreens = 0;
  int recoveries = 0;
};

inline constexpr DfuProgressColours kErrorColours{{255, 0, 0}, {255, 255, 250}, {255, 255, 250}, {255, 0, 0}};

}  // namespace ostrel::test
