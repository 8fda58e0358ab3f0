#include "screens/ScreenButtons.h"

#include <QWidget>

#include "controls/ImageButton.h"

namespace ostrel {

ImageButton* ScreenButtons::add(int id, const char* picture, QPoint place) {
  auto* button = new ImageButton(pictures_, screen_);
  button->setObjectName(QString::number(id));
  button->move(place);
  buttons_[id] = button;
  names_[id] = QString::fromLatin1(picture);
  return button;
}

void ScreenButtons::onClick(int id, std::function<void()> action) {
  QObject::connect(at(id), &ImageButton::clicked, screen_, [action = std::move(action)] { action(); });
}

void ScreenButtons::loadPictures(const std::string& folder) {
  folder_ = folder;
  loaded_ = true;
  const QString base = QString::fromStdString(folder);
  for (auto& [id, button] : buttons_) button->setPicture(base + names_.at(id));
}

void ScreenButtons::followFolder(const std::string& folder) {
  if (!loaded_ || folder != folder_) loadPictures(folder);
}

}  // namespace ostrel
