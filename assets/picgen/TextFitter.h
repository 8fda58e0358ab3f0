#pragma once
// Draws a text into a box, shrinking and (when allowed) wrapping it until it
// fits; a text that still does not fit is recorded, so the generator can fail
// the build instead of shipping a clipped word.

#include <QColor>
#include <QPainter>
#include <QRectF>
#include <QString>
#include <QStringList>

namespace ostrel {

struct TextStyle {
  int px = 20;          // preferred pixel size
  bool bold = false;
  QColor color = Qt::white;
  int align = Qt::AlignCenter;
  bool wrap = false;    // may break between words
  int minPx = 0;        // smallest size allowed; 0: 70 % of px, at least 10
};

class TextFitter {
 public:
  // Names the picture being drawn, for the failure messages.
  void setContext(const QString& where) { where_ = where; }

  // Draws text in box; returns false (and records it) when even the smallest
  // size does not fit. The text is then drawn at that size anyway.
  bool draw(QPainter& painter, const QRectF& box, const QString& text, const TextStyle& style);

  // The largest size in [min, px] at which text fits box; 0 when none does.
  static int fittingSize(const QRectF& box, const QString& text, const TextStyle& style);

  const QStringList& failures() const { return failures_; }

 private:
  QString where_;
  QStringList failures_;
};

}  // namespace ostrel
