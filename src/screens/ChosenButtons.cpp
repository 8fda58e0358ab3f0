#include "screens/ChosenButtons.h"

#include <QEvent>

#include "controls/ImageButton.h"

namespace ostrel {

void ChosenButtons::add(ImageButton* button) {
  buttons_.push_back(button);
  button->installEventFilter(this);
}

void ChosenButtons::choose(int index) {
  chosen_ = index;
  const bool inside = index >= 0 && index < static_cast<int>(buttons_.size());
  light(inside ? buttons_[static_cast<std::size_t>(index)] : nullptr);
}

void ChosenButtons::light(const ImageButton* lit) {
  for (ImageButton* button : buttons_) {
    if (button == lit) {
      button->setHighlight();
    } else {
      button->clearHighlight();
    }
  }
}

bool ChosenButtons::eventFilter(QObject* watched, QEvent* event) {
  // Filters run before the button's own handling: on entering, the button
  // lights itself afterwards; on leaving, a held highlight keeps the chosen
  // button lit through the button's own leave handling.
  if (event->type() == QEvent::Enter) {
    for (ImageButton* button : buttons_) {
      if (button != watched) button->clearHighlight();
    }
  } else if (event->type() == QEvent::Leave) {
    choose(chosen_);
  }
  return QObject::eventFilter(watched, event);
}

}  // namespace ostrel
