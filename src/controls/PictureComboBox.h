#pragma once
// A drop-down list that paints its closed face and its open list itself, in
// fixed colours and "Arial" at a 23-pixel cell height: optional pictures at
// the face's left and right edges (the stick screen puts its 28 x 28 arrow at
// the right) with the text area between them, and rows 25 pixels high in the
// open list, the row under the mouse in the focus colours. Pictures are paths
// for the picture cache; an empty path means none.

#include <QColor>
#include <QComboBox>
#include <QFont>
#include <QImage>
#include <QString>

namespace ostrel {

class PictureCache;

class PictureComboBox : public QComboBox {
  Q_OBJECT

 public:
  static constexpr int kRowHeight = 25;

  explicit PictureComboBox(PictureCache& pictures, QWidget* parent = nullptr);

  void setFaceBitmaps(const QString& left, const QString& middle, const QString& right);
  void setListBitmaps(const QString& left, const QString& right, const QString& top,
                      const QString& bottom);
  void setColours(const QColor& focusBack, const QColor& focusText, const QColor& back,
                  const QColor& text);

  // The closed face on a transparent image of the combo's size.
  QImage renderImage() const;
  // Where row and face texts start: right of the face's left picture.
  int textStart() const;

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  void paintFace(QPainter& painter) const;
  void paintRow(QPainter& painter, const QStyleOptionViewItem& option,
                const QModelIndex& index) const;
  QPixmap bitmap(const QString& path) const;

  PictureCache& pictures_;
  QFont faceFont_;
  QString left_, middle_, right_;
  QString listLeft_, listRight_, listTop_, listBottom_;
  QColor focusBack_{Qt::blue};
  QColor focusText_{Qt::white};
  QColor back_{Qt::white};
  QColor text_{Qt::black};
};

}  // namespace ostrel
