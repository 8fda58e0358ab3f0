#pragma once
// An image button of a screen: named by its control id, placed, pictured.

#include <QPoint>
#include <QString>

class QWidget;

namespace ostrel {

class PictureCache;
class ImageButton;

ImageButton* placeButton(PictureCache& pictures, QWidget* screen, int id, const QString& picture,
                       QPoint place);

}  // namespace ostrel
