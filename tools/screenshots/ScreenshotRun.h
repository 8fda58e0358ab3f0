#pragma once
// One screenshot run: the application on the simulated pad in a temporary
// data folder, driven through its screens, each saved as a PNG. A picture
// the screens ask for and cannot find fails the run.

#include <QStringList>
#include <QTemporaryDir>

#include <functional>
#include <memory>

#include "DemoServer.h"
#include "app/COstrel_ControllerApp.h"
#include "app/ProcessShell.h"
#include "link/SystemSleeper.h"
#include "link/hid/SimulatedPad.h"

namespace ostrel {

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

 private:
  void firstScreens();
  void homeScreens();
  void editorScreens();
  // Loads the screen for the current slot, shows it and saves it as name.
  void saveEditor(int32_t screen, const QString& name);
  void containerScreens();
  bool waitUntil(const std::function<bool()>& done);
  void save(const QString& name);
  COstrel_ControllerDlg& window();

  QString output_;
  QTemporaryDir dataFolder_;
  DemoServer server_;
  SimulatedPad pad_;
  SystemSleeper sleeper_;
  std::unique_ptr<COstrel_ControllerApp> app_;
  QStringList problems_;
};

}  // namespace ostrel
