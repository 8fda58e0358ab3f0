#include "app/placeButton.h"

#include "controls/PngButton.h"

namespace ostrel {

PngButton* placeButton(PictureCache& pictures, QWidget* screen, int id, const QString& picture,
                       QPoint place) {
  auto* button = new PngButton(pictures, screen);
  button->setObjectName(QString::number(id));
  button->move(place);
  button->setPicture(picture);
  return button;
}

}  // namespace ostrel
