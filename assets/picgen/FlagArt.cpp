#include "FlagArt.h"

#include <QPainterPath>

#include "Art.h"
#include "Painters.h"
#include "PictureSet.h"
#include "Style.h"

namespace ostrel {
namespace {

void bands(QPainter& p, const QRectF& r, std::initializer_list<QColor> colours, bool vertical) {
  const int n = int(colours.size());
  int i = 0;
  for (const QColor& colour : colours) {
    const QRectF band = vertical ? QRectF(r.left() + r.width() * i / n, r.top(), r.width() / n + 0.5, r.height())
                                 : QRectF(r.left(), r.top() + r.height() * i / n, r.width(), r.height() / n + 0.5);
    p.fillRect(band, colour);
    ++i;
  }
}

void unionJack(QPainter& p, const QRectF& r) {
  const QColor blue(1, 33, 105), red(200, 16, 46);
  p.fillRect(r, blue);
  p.save();
  p.setClipRect(r);
  const qreal u = r.height() / 30;  // the flag is 60 x 30 units
  p.setPen(QPen(Qt::white, 6 * u));
  p.drawLine(r.topLeft(), r.bottomRight());
  p.drawLine(r.topRight(), r.bottomLeft());
  p.setPen(QPen(red, 2 * u));
  p.drawLine(r.topLeft(), r.bottomRight());
  p.drawLine(r.topRight(), r.bottomLeft());
  p.fillRect(QRectF(r.center().x() - 5 * u, r.top(), 10 * u, r.height()), Qt::white);
  p.fillRect(QRectF(r.left(), r.center().y() - 5 * u, r.width(), 10 * u), Qt::white);
  p.fillRect(QRectF(r.center().x() - 3 * u, r.top(), 6 * u, r.height()), red);
  p.fillRect(QRectF(r.left(), r.center().y() - 3 * u, r.width(), 6 * u), red);
  p.restore();
}

void spain(QPainter& p, const QRectF& r) {
  const QColor red(170, 21, 27), yellow(241, 191, 0);
  p.fillRect(r, red);
  p.fillRect(QRectF(r.left(), r.top() + r.height() / 4, r.width(), r.height() / 2), yellow);
  // The coat of arms, reduced to its shield at this size.
  const qreal h = r.height() * 0.34;
  const QRectF shield(r.left() + r.width() * 0.26, r.center().y() - h / 2, h * 0.8, h);
  p.setPen(Qt::NoPen);
  p.setBrush(red);
  p.drawRoundedRect(shield, h * 0.2, h * 0.2);
}

void portugal(QPainter& p, const QRectF& r) {
  const QColor green(4, 106, 56), red(218, 41, 28), yellow(255, 204, 0);
  p.fillRect(QRectF(r.left(), r.top(), r.width() * 0.4, r.height()), green);
  p.fillRect(QRectF(r.left() + r.width() * 0.4, r.top(), r.width() * 0.6, r.height()), red);
  const qreal d = r.height() * 0.5;
  const QPointF c(r.left() + r.width() * 0.4, r.center().y());
  p.setPen(QPen(yellow, std::max(1.0, d / 8)));
  p.setBrush(Qt::NoBrush);
  p.drawEllipse(c, d / 2, d / 2);
  p.setPen(Qt::NoPen);
  p.setBrush(Qt::white);
  p.drawRoundedRect(QRectF(c.x() - d / 5, c.y() - d / 4, d / 2.5, d / 2), d / 10, d / 10);
}

QImage highlightedFlag(const PaintContext& ctx, int language) {
  QImage image = Art::canvas(ctx);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  const QRectF r(0, 0, ctx.entry.width, ctx.entry.height);
  FlagArt::draw(p, r.adjusted(3, 3, -3, -3), language);
  p.setPen(QPen(Qt::white, 2));
  p.setBrush(Qt::NoBrush);
  p.drawRect(r.adjusted(1, 1, -1, -1));
  return image;
}

QImage flagButton(const PaintContext& ctx, int language) {
  return Art::strip(ctx, [&](QPainter& p, const QRectF& r, bool on) {
    const QRectF flag = r.adjusted(4, 3, -4, -3);
    FlagArt::draw(p, flag, language);
    if (!on) p.fillRect(flag, QColor(8, 15, 19, 110));  // unchosen flags recede
    p.setPen(QPen(on ? Qt::white : style::kPanelEdge, on ? 2.5 : 1));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(r.adjusted(1.5, 1.5, -1.5, -1.5), 3, 3);
  });
}

}  // namespace

void FlagArt::draw(QPainter& p, const QRectF& r, int language) {
  switch (language) {
    case 0: unionJack(p, r); break;
    case 1: bands(p, r, {QColor(0, 35, 149), Qt::white, QColor(237, 41, 57)}, true); break;
    case 2: bands(p, r, {Qt::black, QColor(221, 0, 0), QColor(255, 206, 0)}, false); break;
    case 3: bands(p, r, {QColor(174, 28, 40), Qt::white, QColor(33, 70, 139)}, false); break;
    case 4: spain(p, r); break;
    case 5: bands(p, r, {QColor(0, 146, 70), Qt::white, QColor(206, 43, 55)}, true); break;
    case 6: portugal(p, r); break;
    default: break;
  }
}

void registerFlags(PictureSet& set) {
  const char* shared[] = {"lang-1-eng.png", "lang-2-fre.png", "lang-3-ger.png", "lang-4-ned.png",
                          "lang-5-esp.png", "lang-6-ita.png", "lang-7-por.png"};
  const char* buttons[] = {"uk", "fr", "gr", "nd", "es", "it", "po"};
  for (int language = 0; language < 7; ++language) {
    set.add(shared[language], [language](const PaintContext& ctx) { return highlightedFlag(ctx, language); });
    set.add(std::string("Screen3/") + buttons[language] + "-flag.png",
            [language](const PaintContext& ctx) { return flagButton(ctx, language); });
  }
}

}  // namespace ostrel
