#pragma once
// One screenshot run: the application on the simulated pad in a temporary
// data folder, driven through its screens, each saved as a PNG. A picture
// the screens ask for and cannot find fails the run.

#include <QStringList>
#include <QTemporaryDir>

#include <functional>
#include <memory>

#include "DemoServer.h"
#include "app/Application.h"
#include "app/ProcessShell.h"
#include "link/SystemSleeper.h"
#include "dfu/SystemDfuClock.h"
#include "dfu/sim/SimulatedPadRig.h"

namespace ostrel {

class ProfileContainer;

class ScreenshotRun : public ProcessShell {
 public:
  explicit ScreenshotRun(QString outputFolder);
  // 0 when every screenshot was written and no picture was missing.
  int run();

  // The program never ends or asks anything during a run.
  void quit() override {}
  void endProcess(int) override {}
  void showMessage(const QString& text) override;
  bool askYesNo(const QString&) override { return false; }
  void openWebAddress(const QString&) override {}

  // What the flows of the run use.
  Application& app() { return *app_; }
  ProfileContainer* container();
  // The widget of a screen the container holds (null, noted as a problem,
  // when it holds none).
  QWidget* page(int32_t screen);
  bool shown(int32_t screen);
  // Clicks control id of a screen, as the mouse would.
  void click(int32_t screen, int id);
  // Processes events until done holds (a problem after 30 s).
  bool waitUntil(const std::function<bool()>& done);
  // Saves the window as name in the output folder; settle first processes
  // what is pending (a screen just opened may then move on).
  void save(const QString& name, bool settle = true);
  void problem(const QString& text) { problems_ << text; }

 private:
  void firstScreens();
  void homeScreens();
  void editorScreens();
  // Loads the screen for the current slot, shows it and saves it as name.
  void saveEditor(int32_t screen, const QString& name);
  void containerScreens();
  MainWindow& window();

  QString output_;
  QTemporaryDir dataFolder_;
  DemoServer server_;
  SystemDfuClock clock_;
  SimulatedPadRig rig_{clock_};
  SimulatedPad& pad_ = rig_.pad();
  SystemSleeper sleeper_;
  std::unique_ptr<Application> app_;
  QStringList problems_;
  QString lastSaved_;  // names where a run that got stuck had come to
};

}  // namespace ostrel
