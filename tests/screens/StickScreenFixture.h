#pragma once
// The stick settings screen beside the home screen, on the simulated pad's
// link, with a library in a temporary folder and the generated pictures.

#include <QEvent>
#include <QImage>

#include <memory>
#include <string>
#include <vector>

#include "HomeScreenFixture.h"
#include "screens/StickScreen.h"

namespace ostrel::testing {

class StickScreenTest : public HomeScreenTest {
 protected:
  void SetUp() override;
  void TearDown() override;

  template <typename T = QWidget>
  T* stickControl(int id) const {
    return stick->findChild<T*>(QString::number(id));
  }
  // A click at the centre of control id, as a person's reaches it.
  void clickStick(int id);
  // A click on the upper (up) or lower arrow of up-down id.
  void clickArrow(int id, bool up);
  // A mouse event of the left button at a point of the screen itself.
  void mouse(QEvent::Type type, QPoint point);
  // Digits typed into a field (focused first; typing starts at its caret),
  // and a key pressed and released with its physical key (X keycode =
  // evdev + 8) on the focused control.
  void typeInto(int fieldId, const QString& digits);
  void pressKey(int evdev, Qt::Key qtKey);
  QString text(int id) const;
  QImage grabStick();
  // The stored lines of a profile file, unscrambled.
  std::vector<std::string> fileLines(const std::string& name);
  // Gives slot index a name of its own, loaded from its file.
  void name(int index, const std::string& text);

  std::unique_ptr<StickScreen> stick;
};

}  // namespace ostrel::testing
