#pragma once
// The quit prompt: Yes ends the program at once, No goes back to the home
// screen.

#include <QWidget>

#include "app/AppContext.h"
#include "screens/ProfileScreen.h"
#include "screens/ScreenButtons.h"

namespace ostrel {

class ProfileContainer;

class QuitPrompt : public QWidget, public ProfileScreen {
  Q_OBJECT

 public:
  static constexpr int kYesId = 1179;
  static constexpr int kNoId = 1178;
  // Yes ends the process with this code, skipping the exit routine.
  static constexpr int kYesExitCode = 0;

  QuitPrompt(AppContext& context, ProfileContainer& container);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void showEvent(QShowEvent* event) override;

 private:
  AppContext& context_;
  ProfileContainer& container_;
  ScreenButtons buttons_;
};

}  // namespace ostrel
