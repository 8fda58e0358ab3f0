#include "screens/ProfileListKeyFilter.h"

#include <QKeyEvent>

#include <algorithm>

namespace ostrel {
namespace {

std::vector<int> withF1(std::vector<int> keys) {
  keys.push_back(Qt::Key_F1);
  return keys;
}

}  // namespace

ProfileListKeyFilter::ProfileListKeyFilter(std::vector<int> extraKeys, std::vector<int> promptKeys,
                                           std::function<void()> openPrompt, QObject* parent)
    : ScreenKeyFilter(withF1(std::move(extraKeys)), parent),
      promptKeys_(std::move(promptKeys)),
      openPrompt_(std::move(openPrompt)) {}

bool ProfileListKeyFilter::eventFilter(QObject* watched, QEvent* event) {
  const QEvent::Type type = event->type();
  if (type == QEvent::KeyPress || type == QEvent::KeyRelease || type == QEvent::ShortcutOverride) {
    const auto* key = static_cast<QKeyEvent*>(event);
    if (key->text() == QStringLiteral("p")) {
      event->accept();
      return true;
    }
    if (type == QEvent::KeyPress &&
        std::find(promptKeys_.begin(), promptKeys_.end(), key->key()) != promptKeys_.end()) {
      openPrompt_();
    }
  }
  return ScreenKeyFilter::eventFilter(watched, event);
}

}  // namespace ostrel
