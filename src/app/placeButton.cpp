#include "app/placeButton.h"

#include "controls/ImageButton.h"

namespace ostrel {

ImageButton* placeButton(PictureCache& pictures, QWidget* screen, int id, const QString& picture,
                       QPoint place) {
  auto* button = new ImageButton(pictures, screen);
  button->setObjectName(QString::number(id));
  button->move(place);
  button->setPicture(picture);
  return button;
}

}  // namespace ostrel
