#pragma once
// Test doubles of the link's seams and a fixture that wires a link to the
// simulated pad, a drained dispatcher and a library in a temporary folder.

#include <gtest/gtest.h>

#include <filesystem>
#include <mutex>
#include <random>
#include <string>

#include "link/ControllerLink.h"
#include "link/QueueDispatcher.h"
#include "link/hid/SimulatedPad.h"

namespace ostrel::testing {

namespace fs = std::filesystem;

// Pauses return at once; their lengths are recorded.
class InstantSleeper : public Sleeper {
 public:
  void sleepFor(std::chrono::milliseconds pause) override {
    std::lock_guard lock(mutex_);
    pauses_.push_back(pause.count());
  }
  std::vector<long> pauses() {
    std::lock_guard lock(mutex_);
    return pauses_;
  }
  void clear() {
    std::lock_guard lock(mutex_);
    pauses_.clear();
  }

 private:
  std::mutex mutex_;
  std::vector<long> pauses_;
};

// A grace timer the test fires by hand.
class ManualTimer : public GraceTimer {
 public:
  void start(std::chrono::milliseconds delay, std::function<void()> expired) override {
    this->delay = delay;
    callback = std::move(expired);
  }
  void stop() override { callback = nullptr; }
  bool armed() const { return static_cast<bool>(callback); }
  void fire() {
    auto expired = callback;
    if (expired) expired();
  }

  std::chrono::milliseconds delay{0};
  std::function<void()> callback;
};

struct RecordingObserver : LinkObserver {
  void linkStateChanged(int32_t state) override { states.push_back(state); }
  void graceTimeEnded() override { ++graceEnded; }
  void padDataChanged() override { ++dataChanged; }
  void languageReceived(int language) override { languages.push_back(language); }
  void connectionSequenceDone() override { ++sequencesDone; }

  std::vector<int32_t> states;
  std::vector<int> languages;
  int graceEnded = 0;
  int dataChanged = 0;
  int sequencesDone = 0;
};

// "W ] [1 V2 ..." for a list of reports: letter, then byte 2 where it is a slot.
inline std::string letters(const std::vector<Report>& reports) {
  std::string text;
  for (const Report& report : reports) {
    if (!text.empty()) text += ' ';
    text += static_cast<char>(report[1]);
    if (report[1] == '[' || report[1] == 'V') text += std::to_string(report[2]);
  }
  return text;
}

inline fs::path makeScratchFolder() {
  std::random_device random;
  for (;;) {
    const fs::path folder = fs::temp_directory_path() / ("ostrel-link-" + std::to_string(random()));
    if (fs::create_directory(folder)) return folder;
  }
}

// A library whose data root is dataRoot, and the slots as start-up loads them.
inline void startLibrary(const fs::path& dataRoot, ProfileLibrary& library, AppState& app) {
  library.basePath = dataRoot.string() + "/";
  ASSERT_TRUE(library.ensureFolders());
  app.resetToStartup();
  for (int i = 0; i < kSlotCount; ++i) {
    app.slotNames[i] = app.savedSlotNames[i] = library.getSlotName(i);
    library.loadProfileIntoSlot(i, app.slotNames[i]);
  }
}

class LinkTest : public ::testing::Test {
 protected:
  void SetUp() override {
    root = makeScratchFolder();
    startLibrary(root, library, app);
  }
  void TearDown() override {
    link.reset();
    std::error_code ignored;
    fs::remove_all(root, ignored);
  }

  void startLink() {
    link = std::make_unique<ControllerLink>(app, library, pad, dispatcher, timer, sleeper);
    link->setObserver(&observer);
    link->startLink();
  }
  bool runUntil(const std::function<bool()>& done) {
    return dispatcher.runUntil(done, std::chrono::seconds(10));
  }
  bool runSequences(int count) {
    return runUntil([&] { return observer.sequencesDone >= count; });
  }
  std::string sent() { return letters(pad.receivedReports()); }

  fs::path root;
  AppState app;
  ProfileLibrary library;
  SimulatedPad pad;
  QueueDispatcher dispatcher;
  ManualTimer timer;
  InstantSleeper sleeper;
  RecordingObserver observer;
  std::unique_ptr<ControllerLink> link;
};

}  // namespace ostrel::testing
