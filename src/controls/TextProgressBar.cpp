#include "controls/TextProgressBar.h"

#include <QPainter>

#include <algorithm>

#include "controls/OffscreenImage.h"

namespace ostrel {

TextProgressBar::TextProgressBar(QWidget* parent) : QWidget(parent) {
  barColour_ = palette().color(QPalette::Highlight);
  textOnBackColour_ = barColour_;
}

long double TextProgressBar::fraction() const {
  if (!validRange()) return 0;
  return static_cast<long double>(pos_ - min_) / (static_cast<long double>(max_) - min_);
}

int TextProgressBar::barWidth() const { return static_cast<int>(fraction() * width()); }

QString TextProgressBar::shownText() const {
  if (!showText_) return {};
  if (!text_.isEmpty()) return text_;
  return QStringLiteral("%1%").arg(static_cast<int>(fraction() * 100));
}

int TextProgressBar::setPos(int pos) {
  const int previous = pos_;
  pos_ = validRange() ? std::clamp(pos, min_, max_) : pos;
  const int width = barWidth();
  const QString text = shownText();
  // Nothing visible changed: no repaint, the bar does not flicker.
  if (width != lastBarWidth_ || text != lastText_) {
    lastBarWidth_ = width;
    lastText_ = text;
    repaint();
  }
  return previous;
}

void TextProgressBar::setRange(int min, int max) {
  min_ = min;
  max_ = max;
  if (validRange()) pos_ = std::clamp(pos_, min_, max_);
  lastBarWidth_ = -1;
  update();
}

void TextProgressBar::setShowText(bool show) {
  if (show == showText_) return;
  showText_ = show;
  update();
}

void TextProgressBar::setText(const QString& text) {
  if (text == text_) return;
  text_ = text;
  update();
}

void TextProgressBar::setColour(QColor& field, const QColor& colour) {
  if (field == colour) return;
  field = colour;
  update();
}

void TextProgressBar::setBarColour(const QColor& colour) { setColour(barColour_, colour); }
void TextProgressBar::setBackColour(const QColor& colour) { setColour(backColour_, colour); }
void TextProgressBar::setTextOnBarColour(const QColor& colour) {
  setColour(textOnBarColour_, colour);
}
void TextProgressBar::setTextOnBackColour(const QColor& colour) {
  setColour(textOnBackColour_, colour);
}

void TextProgressBar::paintBar(QPainter& painter) const {
  if (!validRange()) return;
  const QRect all = rect();
  const QRect done(0, 0, barWidth(), height());
  const QRect rest(done.width(), 0, width() - done.width(), height());
  painter.fillRect(done, barColour_);
  painter.fillRect(rest, backColour_);
  const QString text = shownText();
  if (text.isEmpty()) return;
  painter.setFont(font());
  const int flags = Qt::AlignCenter | Qt::TextSingleLine;
  painter.setClipRect(done);
  painter.setPen(textOnBarColour_);
  painter.drawText(all, flags, text);
  painter.setClipRect(rest);
  painter.setPen(textOnBackColour_);
  painter.drawText(all, flags, text);
}

QImage TextProgressBar::renderImage() const {
  return offscreenImage(size(), [this](QPainter& painter) { paintBar(painter); });
}

void TextProgressBar::paintEvent(QPaintEvent*) {
  lastText_ = shownText();
  QPainter painter(this);
  paintBar(painter);
}

void TextProgressBar::resizeEvent(QResizeEvent* event) {
  lastBarWidth_ = -1;
  QWidget::resizeEvent(event);
}

}  // namespace ostrel
