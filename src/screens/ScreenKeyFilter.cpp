#include "screens/ScreenKeyFilter.h"

#include <QKeyEvent>
#include <QWidget>

#include <algorithm>

namespace ostrel {

ScreenKeyFilter::ScreenKeyFilter(std::vector<int> extraKeys, QObject* parent)
    : QObject(parent), extraKeys_(std::move(extraKeys)) {}

void ScreenKeyFilter::installOn(QWidget* screen) {
  screen->installEventFilter(this);
  for (QWidget* child : screen->findChildren<QWidget*>()) child->installEventFilter(this);
}

bool ScreenKeyFilter::swallows(int key, Qt::KeyboardModifiers modifiers) const {
  if (key == Qt::Key_F4 && (modifiers & Qt::AltModifier)) return true;
  if (key == Qt::Key_Escape || key == Qt::Key_Return || key == Qt::Key_Enter) return true;
  return std::find(extraKeys_.begin(), extraKeys_.end(), key) != extraKeys_.end();
}

bool ScreenKeyFilter::eventFilter(QObject* watched, QEvent* event) {
  switch (event->type()) {
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::ShortcutOverride: {
      const auto* key = static_cast<QKeyEvent*>(event);
      if (swallows(key->key(), key->modifiers())) {
        event->accept();
        return true;
      }
      break;
    }
    default:
      break;
  }
  return QObject::eventFilter(watched, event);
}

}  // namespace ostrel
