#include "screens/StickKeyFilter.h"

#include <QKeyEvent>
#include <QWidget>

#include "screens/KeyCapture.h"

namespace ostrel {
namespace {

// VK_OEM_7: the quote key in US QWERTY, the A umlaut in German, the square
// key in French AZERTY, the acute dead key in Spanish.
constexpr int kRejectKey = 0xDE;

}  // namespace

StickKeyFilter::StickKeyFilter(std::function<int()> layout, std::function<void()> onRejectKey,
                               QObject* parent)
    : QObject(parent), layout_(std::move(layout)), onRejectKey_(std::move(onRejectKey)) {}

void StickKeyFilter::installOn(QWidget* screen) {
  screen->installEventFilter(this);
  for (QWidget* child : screen->findChildren<QWidget*>()) child->installEventFilter(this);
}

bool StickKeyFilter::isDigit(const QKeyEvent& key) {
  return key.key() >= Qt::Key_0 && key.key() <= Qt::Key_9;
}

bool StickKeyFilter::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() != QEvent::KeyPress && event->type() != QEvent::ShortcutOverride) {
    return QObject::eventFilter(watched, event);
  }
  const auto* key = static_cast<QKeyEvent*>(event);
  if (isDigit(*key)) return QObject::eventFilter(watched, event);
  if (event->type() == QEvent::KeyPress && capturedVirtualKey(*key, layout_()) == kRejectKey) {
    onRejectKey_();
  }
  event->accept();
  return true;
}

}  // namespace ostrel
