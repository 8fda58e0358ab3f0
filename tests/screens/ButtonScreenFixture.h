#pragma once
// The button mapping screen beside the home screen, on the simulated pad's
// link, with a library in a temporary folder.

#include <QKeyEvent>

#include <memory>

#include "HomeScreenFixture.h"
#include "screens/ButtonScreen.h"

namespace ostrel::testing {

class ButtonScreenTest : public HomeScreenTest {
 protected:
  void SetUp() override;
  void TearDown() override;

  template <typename T = QWidget>
  T* buttonControl(int id) const {
    return buttons->findChild<T*>(QString::number(id));
  }
  // A click at the centre of button id of the button screen.
  void clickButton(int id);
  // A mouse button pressed at a point of the screen.
  void press(QPoint point, Qt::MouseButton button = Qt::LeftButton);
  void pressCell(int cell, Qt::MouseButton button = Qt::LeftButton);
  void turnWheel(int delta);
  // A key pressed and released as the desktop delivers it (X keycode =
  // evdev + 8), or without a physical key when evdev is 0.
  void key(QEvent::Type type, int evdev, Qt::Key qtKey, Qt::KeyboardModifiers modifiers = {});
  void typeKey(int evdev, Qt::Key qtKey, Qt::KeyboardModifiers modifiers = {});
  // The values of a profile file as the library reads it back.
  ProfileRecord fileValues(const std::string& name);
  // Gives slot index a name of its own, loaded from its file.
  void name(int index, const std::string& text);

  std::unique_ptr<ButtonScreen> buttons;
};

}  // namespace ostrel::testing
