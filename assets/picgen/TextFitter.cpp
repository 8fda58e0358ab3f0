#include "TextFitter.h"

#include <QFontMetricsF>
#include <QRegularExpression>
#include <algorithm>

#include "Style.h"

namespace ostrel {
namespace {

int smallestSize(const TextStyle& style) {
  return style.minPx > 0 ? style.minPx : std::max(10, style.px * 7 / 10);
}

bool fitsAt(const QFont& font, const QRectF& box, const QString& text, bool wrap) {
  const QFontMetricsF metrics(font);
  const QStringList lines = text.split('\n');
  if (!wrap) {
    for (const QString& line : lines)
      if (metrics.horizontalAdvance(line) > box.width()) return false;
    return metrics.height() * lines.size() <= box.height() + 0.5;
  }
  // No single word may be cut: each must fit the width on its own.
  for (const QString& word : text.split(QRegularExpression("\\s+"), Qt::SkipEmptyParts))
    if (metrics.horizontalAdvance(word) > box.width()) return false;
  const QRectF needed = metrics.boundingRect(QRectF(0, 0, box.width(), 1e6),
                                             Qt::TextWordWrap | Qt::AlignLeft, text);
  return needed.height() <= box.height() + 0.5;
}

}  // namespace

int TextFitter::fittingSize(const QRectF& box, const QString& text, const TextStyle& style) {
  for (int px = style.px; px >= smallestSize(style); --px)
    if (fitsAt(style::arial(px, style.bold), box, text, style.wrap)) return px;
  return 0;
}

bool TextFitter::draw(QPainter& painter, const QRectF& box, const QString& text,
                      const TextStyle& style) {
  int px = fittingSize(box, text, style);
  const bool fits = px > 0;
  if (!fits) {
    failures_ << QString("%1: \"%2\" does not fit %3 x %4")
                     .arg(where_, text)
                     .arg(box.width())
                     .arg(box.height());
    px = smallestSize(style);
  }
  painter.save();
  painter.setFont(style::arial(px, style.bold));
  painter.setPen(style.color);
  painter.drawText(box, style.align | (style.wrap ? Qt::TextWordWrap : 0), text);
  painter.restore();
  return fits;
}

}  // namespace ostrel
