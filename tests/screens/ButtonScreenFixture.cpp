#include "ButtonScreenFixture.h"

#include <QApplication>
#include <QTest>
#include <QWheelEvent>

#include "library/ProfileLibrary.h"

namespace ostrel::testing {

void ButtonScreenTest::SetUp() {
  HomeScreenTest::SetUp();
  if (HasFatalFailure()) return;
  buttons = std::make_unique<ButtonScreen>(
      ScreenContext{app, library, *link, *pictures, *host, QStringLiteral(OSTREL_TEST_RES_ROOT)});
  host->screens[kButtonScreen] = buttons.get();
  home->hide();
  buttons->show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(buttons.get()));
}

void ButtonScreenTest::TearDown() {
  buttons.reset();
  HomeScreenTest::TearDown();
}

void ButtonScreenTest::clickButton(int id) {
  QWidget* widget = buttonControl(id);
  ASSERT_NE(widget, nullptr) << id;
  const QPoint centre = widget->mapTo(buttons.get(), widget->rect().center());
  QWidget* target = buttons->childAt(centre);
  ASSERT_NE(target, nullptr) << id;
  QTest::mouseClick(target, Qt::LeftButton, {}, target->mapFrom(buttons.get(), centre));
}

void ButtonScreenTest::press(QPoint point, Qt::MouseButton button) {
  QWidget* target = buttons->childAt(point);
  if (target == nullptr) target = buttons.get();
  QTest::mousePress(target, button, {}, target->mapFrom(buttons.get(), point));
  QTest::mouseRelease(target, button, {}, target->mapFrom(buttons.get(), point));
}

void ButtonScreenTest::pressCell(int cell, Qt::MouseButton button) {
  press(kButtonCells[static_cast<std::size_t>(cell)].anchor + QPoint(100, 20), button);
}

void ButtonScreenTest::turnWheel(int delta) {
  const QPointF at(640, 300);
  QWheelEvent wheel(at, buttons->mapToGlobal(at), QPoint(), QPoint(0, delta), Qt::NoButton,
                    Qt::NoModifier, Qt::NoScrollPhase, false);
  QApplication::sendEvent(buttons.get(), &wheel);
}

void ButtonScreenTest::key(QEvent::Type type, int evdev, Qt::Key qtKey, Qt::KeyboardModifiers modifiers) {
  const quint32 scanCode = evdev > 0 ? static_cast<quint32>(evdev + 8) : 0;
  QKeyEvent event(type, qtKey, modifiers, scanCode, 0, 0);
  QWidget* target = QApplication::focusWidget() ? QApplication::focusWidget() : buttons.get();
  QApplication::sendEvent(target, &event);
}

void ButtonScreenTest::typeKey(int evdev, Qt::Key qtKey, Qt::KeyboardModifiers modifiers) {
  key(QEvent::KeyPress, evdev, qtKey, modifiers);
  key(QEvent::KeyRelease, evdev, qtKey, modifiers);
}

ProfileRecord ButtonScreenTest::fileValues(const std::string& profileName) {
  ProfileLibrary reader;
  reader.basePath = library.basePath;
  EXPECT_TRUE(reader.loadProfileIntoSlot(0, profileName));
  ProfileRecord values{};
  std::copy(reader.savedValues[0].begin(), reader.savedValues[0].begin() + kProfileSize, values.begin());
  return values;
}

void ButtonScreenTest::name(int index, const std::string& text) {
  app.slotNames[static_cast<std::size_t>(index)] = app.savedSlotNames[static_cast<std::size_t>(index)] = text;
  ASSERT_TRUE(library.loadProfileIntoSlot(index, text));
}

}  // namespace ostrel::testing
