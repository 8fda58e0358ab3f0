#pragma once
// The quit prompt: Yes ends the program at once, No goes back to the home
// screen.

#include <QWidget>

#include "app/AppContext.h"
#include "screens/ProfileScreen.h"

namespace ostrel {

class ProfileContainer;
class ImageButton;

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

 private:
  ImageButton* addButton(int id, const char* picture, QPoint place);

  AppContext& context_;
  ProfileContainer& container_;
};

}  // namespace ostrel
