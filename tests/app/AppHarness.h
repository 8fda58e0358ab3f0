#pragma once
// The whole application on the simulated pad, in a temporary program folder,
// with the test seams: a fake process shell, instant pauses, a grace timer
// fired by hand, and the pictures the build drew beside the test program.

#include <QImage>
#include <QTemporaryDir>
#include <QWidget>

#include <functional>
#include <memory>

#include "FakeShell.h"
#include "LinkTestSupport.h"
#include "app/Application.h"
#include "app/MainWindow.h"
#include "app/ProfileContainer.h"
#include "dfu/sim/SimulatedPadRig.h"
#include "online/ServerSettings.h"
#include "ManualDfuClock.h"

namespace ostrel::test {

using ostrel::testing::InstantSleeper;
using ostrel::testing::ManualTimer;

class AppHarness {
 public:
  AppHarness();
  ~AppHarness();

  // The program folder: where the test keeps the data folders.
  QString programFolder() const { return folder_.path() + "/"; }
  static QString resourceRoot();

  // Builds the application; programFolder may be replaced first.
  Application& make(const std::function<bool()>& claimInstance = [] { return true; });
  // make() and start-up, up to the work that follows the first frame; true
  // when the program runs.
  bool start();

  Application& app() { return *app_; }
  AppState& state() { return app_->state(); }
  MainWindow& window() { return app_->mainWindow(); }
  ProfileContainer& container();
  // The only profile screen shown: its number, 0 for none, -1 for several.
  int32_t shownScreen();

  // The pad plugged in with LinkState 1; it answers nothing unless answers
  // is set, so no connection sequence changes the state under the test.
  void plug(bool answers = false);
  void unplug();
  bool waitFor(const std::function<bool()>& done);

  // Presses the control whose id is its objectName.
  void click(QWidget& screen, int id);
  template <typename Widget = QWidget>
  Widget* control(QWidget& screen, int id) {
    return screen.findChild<Widget*>(QString::number(id));
  }

  // The pad and its boot loader; DFU device time passes only when waited for.
  ManualDfuClock dfuClock;
  SimulatedPadRig rig{dfuClock};
  SimulatedPad& pad = rig.pad();
  InstantSleeper sleeper;
  ManualTimer timer;
  FakeShell shell;
  // Set before make(): another process seam (the real one, in death tests)
  // and another program folder.
  ProcessShell* shellOverride = nullptr;
  // Set before make(): another pad seam (a real backend on mocked devices).
  HidBackend* hidOverride = nullptr;
  std::string programFolderOverride;
  // Set before make(): the socket service's start (the system's when empty).
  std::function<bool()> startSockets;
  // Set before make(): the maker's server (the built-in one when not set).
  ServerSettings server = ServerSettings::builtIn();

 private:
  QTemporaryDir folder_;
  std::unique_ptr<Application> app_;
};

// What a widget paints itself, without its background or children.
QImage ownPainting(QWidget& widget);
// The pictures (relative to the resource root) drawn over each other over the
// whole window, and at last one picture in a rectangle when given.
QImage composed(const QStringList& fullWindow, const QString& picture = {}, QRect place = {});
// Whether an image button shows the normal frame (the left half) of picture,
// below the resource root.
bool showsPicture(QWidget* button, const QString& picture);
// Pixels that differ between two pictures of the same size (all when the
// sizes differ).
int differingPixels(const QImage& a, const QImage& b);

}  // namespace ostrel::test
