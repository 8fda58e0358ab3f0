#pragma once
// A progress bar that paints its own bar and one centred line of text: the
// stored text, or the percentage ("37%") when none is stored. The text is
// drawn twice, in textOnBar colour over the done part and textOnBack colour
// over the rest, so it stays readable where the bar edge crosses it. The bar
// repaints only when what it shows changes: its pixel width or its text.

#include <QColor>
#include <QImage>
#include <QString>
#include <QWidget>

namespace ostrel {

class TextProgressBar : public QWidget {
  Q_OBJECT

 public:
  explicit TextProgressBar(QWidget* parent = nullptr);

  // Stores the position, kept inside the range, and returns the previous one.
  int setPos(int pos);
  int pos() const { return pos_; }
  void setRange(int min, int max);
  int minimum() const { return min_; }
  int maximum() const { return max_; }

  void setShowText(bool show);
  bool showsText() const { return showText_; }
  // An empty text shows the percentage.
  void setText(const QString& text);
  const QString& text() const { return text_; }
  // The line the bar shows now ("" when the text is off).
  QString shownText() const;

  void setBarColour(const QColor& colour);
  void setBackColour(const QColor& colour);
  void setTextOnBarColour(const QColor& colour);
  void setTextOnBackColour(const QColor& colour);

  // Width in pixels of the done part for the current size.
  int barWidth() const;
  // The bar's look on an image of its size (transparent where nothing is drawn).
  QImage renderImage() const;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  bool validRange() const { return min_ < max_; }
  long double fraction() const;
  void paintBar(QPainter& painter) const;
  void setColour(QColor& field, const QColor& colour);

  int pos_ = 0;
  int min_ = 0;
  int max_ = 100;
  QString text_;
  bool showText_ = true;
  int lastBarWidth_ = -1;
  QString lastText_;
  QColor barColour_;
  QColor backColour_{255, 255, 250};
  QColor textOnBackColour_;
  QColor textOnBarColour_{255, 255, 250};
};

}  // namespace ostrel
