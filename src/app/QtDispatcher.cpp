#include "app/QtDispatcher.h"

#include <QMetaObject>

#include <utility>

namespace ostrel {

void QtDispatcher::post(std::function<void()> work) {
  QMetaObject::invokeMethod(&receiver_, std::move(work), Qt::QueuedConnection);
}

}  // namespace ostrel
