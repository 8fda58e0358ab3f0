#include "StickScreenFixture.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QTest>

#include <fstream>
#include <sstream>

#include "library/ProfileLibrary.h"

namespace ostrel::testing {

void StickScreenTest::SetUp() {
  HomeScreenTest::SetUp();
  if (HasFatalFailure()) return;
  stick = std::make_unique<StickScreen>(
      ScreenContext{app, library, *link, *pictures, *host, QStringLiteral(OSTREL_TEST_RES_ROOT)});
  host->screens[kStickScreen] = stick.get();
  home->hide();
  stick->show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(stick.get()));
}

void StickScreenTest::TearDown() {
  stick.reset();
  HomeScreenTest::TearDown();
}

void StickScreenTest::clickStick(int id) {
  QWidget* widget = stickControl(id);
  ASSERT_NE(widget, nullptr) << id;
  const QPoint centre = widget->mapTo(stick.get(), widget->rect().center());
  QWidget* target = stick->childAt(centre);
  ASSERT_NE(target, nullptr) << id;
  QTest::mouseClick(target, Qt::LeftButton, {}, target->mapFrom(stick.get(), centre));
}

void StickScreenTest::clickArrow(int id, bool up) {
  QWidget* upDown = stickControl(id);
  ASSERT_NE(upDown, nullptr) << id;
  QTest::mouseClick(upDown, Qt::LeftButton, {}, QPoint(15, up ? 7 : 22));
}

void StickScreenTest::mouse(QEvent::Type type, QPoint point) {
  const Qt::MouseButton button = type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
  const Qt::MouseButtons held = type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton;
  QMouseEvent event(type, QPointF(point), stick->mapToGlobal(QPointF(point)), button, held,
                    Qt::NoModifier);
  QApplication::sendEvent(stick.get(), &event);
}

void StickScreenTest::typeInto(int fieldId, const QString& digits) {
  auto* field = stickControl<QLineEdit>(fieldId);
  ASSERT_NE(field, nullptr) << fieldId;
  field->setFocus();
  for (QChar digit : digits) {
    QTest::keyClick(field, static_cast<Qt::Key>(digit.unicode()), Qt::NoModifier);
  }
}

void StickScreenTest::pressKey(int evdev, Qt::Key qtKey) {
  QWidget* target = QApplication::focusWidget() ? QApplication::focusWidget() : stick.get();
  for (QEvent::Type type : {QEvent::KeyPress, QEvent::KeyRelease}) {
    QKeyEvent event(type, qtKey, Qt::NoModifier, static_cast<quint32>(evdev + 8), 0, 0);
    QApplication::sendEvent(target, &event);
  }
}

QString StickScreenTest::text(int id) const {
  QWidget* widget = stickControl(id);
  if (auto* field = qobject_cast<QLineEdit*>(widget)) return field->text();
  if (auto* label = qobject_cast<QLabel*>(widget)) return label->text();
  return QStringLiteral("<no text control %1>").arg(id);
}

QImage StickScreenTest::grabStick() { return stick->grab().toImage(); }

std::vector<std::string> StickScreenTest::fileLines(const std::string& profileName) {
  const fs::path copy = root / "read-back.klt";
  fs::copy_file(root / "Myprofile" / (profileName + ".klt"), copy,
                fs::copy_options::overwrite_existing);
  ProfileLibrary reader;
  EXPECT_TRUE(reader.unscrambleFile(copy.string()));
  std::ifstream in(copy, std::ios::binary);
  std::vector<std::string> lines;
  for (std::string line; std::getline(in, line);) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    lines.push_back(line);
  }
  return lines;
}

void StickScreenTest::name(int index, const std::string& text) {
  app.slotNames[static_cast<std::size_t>(index)] =
      app.savedSlotNames[static_cast<std::size_t>(index)] = text;
  ASSERT_TRUE(library.loadProfileIntoSlot(index, text));
}

}  // namespace ostrel::testing
