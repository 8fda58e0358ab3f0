#pragma once
// The home screen on a real link to the simulated pad (connected, its
// connection sequence done), a library in a temporary folder, the generated
// pictures, and a host that records what the screen asks of it.

#include <QPointer>
#include <QWidget>

#include <map>
#include <memory>
#include <vector>

#include "LinkTestSupport.h"
#include "controls/PictureCache.h"
#include "screens/ProfileScreen.h"
#include "screens/ScreenHost.h"
#include "screens/HomeScreen.h"

namespace ostrel::testing {

// A later screen as the host would hold it: counts what the home screen asks.
struct RecordingScreen : ProfileScreen {
  void loadSlot() override { ++loads; }
  bool collectChanges() override {
    ++checks;
    return changed;
  }
  void resetToDefaults() override { ++resets; }
  int loads = 0;
  int checks = 0;
  int resets = 0;
  bool changed = false;
};

class FakeHost : public ScreenHost {
 public:
  explicit FakeHost(AppState& app) : app_(app) {}

  // Like the container: the screen for ScreenId, the home screen when the
  // container holds none for it.
  void showCurrentScreen() override {
    shown.push_back(app_.ScreenId);
    if (!screens.count(app_.ScreenId) && home) home->show();
  }
  ProfileScreen* screen(int32_t number) override {
    auto found = screens.find(number);
    return found == screens.end() ? nullptr : found->second;
  }
  void openWebAddress(const std::string& address) override { opened.push_back(address); }
  void quitProgram() override { ++quits; }

  QPointer<QWidget> home;
  std::map<int32_t, ProfileScreen*> screens;
  std::vector<int32_t> shown;
  std::vector<std::string> opened;
  int quits = 0;

 private:
  AppState& app_;
};

// Records, for each pause taken on the user-interface thread, whether the
// busy cursor was up.
class CursorSleeper : public InstantSleeper {
 public:
  void sleepFor(std::chrono::milliseconds pause) override;
  std::vector<bool> busyDuringUiPauses;
};

class HomeScreenTest : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  // Control id to widget.
  template <typename T = QWidget>
  T* control(int id) const {
    return home->findChild<T*>(QString::number(id));
  }
  // A click at the centre of control id, as a person's reaches it.
  void click(int id);
  // The screen as shown, children included.
  QImage grab();
  // Runs what the link posted until done holds.
  bool runUntil(const std::function<bool()>& done);

  fs::path root;
  AppState app;
  ProfileLibrary library;
  SimulatedPad pad;
  QueueDispatcher dispatcher;
  ManualTimer graceTimer;
  CursorSleeper sleeper;
  RecordingObserver observer;
  std::unique_ptr<ControllerLink> link;
  std::unique_ptr<PictureCache> pictures;
  QStringList missingPictures;
  std::unique_ptr<FakeHost> host;
  std::unique_ptr<HomeScreen> home;
};

}  // namespace ostrel::testing
