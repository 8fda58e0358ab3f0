// The stick settings screen: background with its labelled fields, zone
// columns, curve and circle areas; the zone knob; the thirteen help pictures.

#include <cstdio>

#include "Art.h"
#include "Painters.h"
#include "PictureSet.h"
#include "Style.h"

namespace ostrel {
namespace {

constexpr int kLeft = Qt::AlignLeft | Qt::AlignVCenter;
constexpr int kRight = Qt::AlignRight | Qt::AlignVCenter;

// Top-left corners of the 13 help squares, in help picture order.
constexpr QPoint kHelpSquares[13] = {{407, 103}, {407, 144}, {407, 200}, {407, 245}, {407, 285},
                                      {407, 327}, {407, 383}, {407, 427}, {407, 535}, {407, 581},
                                      {677, 102}, {929, 102}, {1178, 102}};

void header(QPainter& p, TextFitter& fit, const QRectF& r, const QString& text) {
  fit.draw(p, r, text, {20, true, Qt::white, kLeft});
}

void deadZonePanel(QPainter& p, const PaintContext& ctx) {
  TextFitter& fit = ctx.fitter;
  Art::panel(p, QRectF(56, 88, 386, 375));
  header(p, fit, QRectF(70, 103, 330, 30), ctx.tr("stick.staticTitle"));
  Art::caption(p, fit, QRectF(70, 146, 194, 27), ctx.tr("stick.size"), kLeft, 17);
  header(p, fit, QRectF(70, 200, 330, 30), ctx.tr("stick.dynamicTitle"));
  Art::caption(p, fit, QRectF(70, 247, 194, 27), ctx.tr("stick.size"), kLeft, 17);
  Art::caption(p, fit, QRectF(70, 287, 190, 30), ctx.tr("stick.latency"), kLeft, 17);
  Art::caption(p, fit, QRectF(70, 328, 190, 30), ctx.tr("stick.threshold"), kLeft, 17);
  header(p, fit, QRectF(70, 383, 330, 30), ctx.tr("stick.sensitivityTitle"));
  Art::caption(p, fit, QRectF(118, 429, 28, 27), "1", kRight, 18);
  Art::caption(p, fit, QRectF(265, 429, 28, 27), "2", kRight, 18);
  for (const QRectF& field : {QRectF(272, 146, 85, 27), QRectF(272, 247, 85, 27),
                              QRectF(152, 429, 60, 27), QRectF(299, 429, 60, 27)})
    Art::fieldBox(p, field);
}

// The circle area (166, 477)-(350, 661) the screen draws the dead zones in.
void circlePanel(QPainter& p, const PaintContext& ctx) {
  Art::panel(p, QRectF(56, 469, 386, 230));
  const QPointF c(258, 569);
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(8, 17, 21));
  p.drawRect(QRectF(166, 477, 184, 184));
  p.setBrush(Qt::NoBrush);
  p.setPen(QPen(style::kPanelEdge, 1));
  for (int radius : {30, 60, 90}) p.drawEllipse(c, radius, radius);
  p.setPen(QPen(QColor(80, 168, 169, 120), 1, Qt::DashLine));
  p.drawLine(QPointF(168, c.y()), QPointF(348, c.y()));
  p.drawLine(QPointF(c.x(), 479), QPointF(c.x(), 659));
  TextFitter& fit = ctx.fitter;
  const struct { qreal y; QColor colour; const char* key; } legend[] = {
      {530, style::kStatic, "stick.staticLegend"}, {576, style::kDynamic, "stick.dynamicLegend"}};
  for (const auto& item : legend) {
    p.setPen(QPen(item.colour, 3));
    p.drawLine(QPointF(64, item.y + 20), QPointF(74, item.y + 20));
    fit.draw(p, QRectF(78, item.y, 84, 42), ctx.tr(item.key),
             {15, false, item.colour, kLeft, true, 10});
  }
}

void zonePanel(QPainter& p, const PaintContext& ctx) {
  TextFitter& fit = ctx.fitter;
  Art::panel(p, QRectF(550, 30, 716, 300));
  fit.draw(p, QRectF(566, 36, 400, 28), ctx.tr("stick.zonesTitle"),
           {20, true, style::kTealBright, kLeft});
  const struct { int column; QColor colour; const char* key; } zones[] = {
      {565, style::kSmallZone, "stick.zoneSmall"},
      {814, style::kStatic, "stick.zoneMedium"},
      {1063, style::kDynamic, "stick.zoneLarge"}};
  for (const auto& zone : zones) {
    const qreal centre = zone.column + 55;
    fit.draw(p, QRectF(centre - 98, 64, 196, 30), ctx.tr(zone.key), {18, true, Qt::white});
    p.fillRect(QRectF(centre - 40, 94, 80, 3), zone.colour);
    Art::fieldBox(p, QRectF(zone.column + 17, 102, 48, 30));
    // The knob's track: its top is 256 - width, so one pixel per percent.
    const QRectF track(zone.column, 156, 110, 118);
    p.setPen(QPen(style::kPanelEdge, 1));
    p.setBrush(QColor(8, 17, 21));
    p.drawRoundedRect(track, 6, 6);
    p.setPen(QPen(QColor(255, 255, 255, 25), 1));
    for (int v = 10; v < 100; v += 10) p.drawLine(QPointF(track.left() + 8, 256 - v), QPointF(track.right() - 8, 256 - v));
    Art::caption(p, fit, QRectF(zone.column + 10, 291, 106, 28), ctx.tr("stick.lock"), kRight, 15);
  }
}

// The curve area: the screen draws the curve from (579, 606) to (908, 360).
void curvePanel(QPainter& p, const PaintContext& ctx) {
  Art::panel(p, QRectF(540, 340, 436, 310));
  p.setPen(QPen(style::kSoftText, 2));
  p.drawLine(QPointF(579, 606), QPointF(579, 352));
  p.drawLine(QPointF(579, 606), QPointF(920, 606));
  p.setPen(QPen(QColor(255, 255, 255, 30), 1, Qt::DashLine));
  for (int k = 1; k <= 3; ++k) {
    p.drawLine(QPointF(579 + 329 * k / 3.0, 606), QPointF(579 + 329 * k / 3.0, 360));
    p.drawLine(QPointF(579, 606 - 246 * k / 3.0), QPointF(908, 606 - 246 * k / 3.0));
  }
  ctx.fitter.draw(p, QRectF(579, 612, 340, 26), ctx.tr("stick.travel"), {16, false, style::kSoftText});
  p.save();
  p.translate(560, 483);
  p.rotate(-90);
  ctx.fitter.draw(p, QRectF(-120, -13, 240, 26), ctx.tr("stick.speed"), {16, false, style::kSoftText});
  p.restore();
}

QImage stickScreen(const PaintContext& ctx) {
  QImage image = Art::screenGround();
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  Art::namePlate(p, QRectF(125, 18, 240, 42));
  ctx.fitter.draw(p, QRectF(376, 18, 170, 42), ctx.tr("stick.title"),
                  {22, true, style::kTealBright, kLeft});
  deadZonePanel(p, ctx);
  circlePanel(p, ctx);
  zonePanel(p, ctx);
  curvePanel(p, ctx);
  for (const QPoint& square : kHelpSquares) Art::helpMark(p, QRectF(square, QSizeF(30, 30)));
  return image;
}

QImage zoneKnob(const PaintContext& ctx) {
  QImage image = Art::canvas(ctx);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  const QRectF r(1, 1, ctx.entry.width - 2, ctx.entry.height - 2);
  QLinearGradient fill(r.topLeft(), r.bottomLeft());
  fill.setColorAt(0, style::kTealBright);
  fill.setColorAt(1, style::kTeal.darker(120));
  p.setPen(QPen(Qt::white, 1.5));
  p.setBrush(fill);
  p.drawRoundedRect(r, 7, 7);
  p.setPen(QPen(QColor(255, 255, 255, 200), 1.5));
  for (int dx : {-8, 0, 8}) p.drawLine(QPointF(r.center().x() + dx, 5), QPointF(r.center().x() + dx, 13));
  return image;
}

QImage helpPicture(const PaintContext& ctx, int point) {
  char title[32], text[32];
  std::snprintf(title, sizeof title, "help.%d.title", point);
  std::snprintf(text, sizeof text, "help.%d.text", point);
  const QRectF words(18, 16, ctx.entry.width - 36, ctx.entry.height - 30);
  return Art::messageCard(ctx, style::kTeal, Art::Icon::Info, style::kTealBright, ctx.tr(title),
                          ctx.tr(text), words);
}

}  // namespace

void registerStickScreen(PictureSet& set) {
  set.add("Screen-4.jpg", stickScreen);
  set.add("Screen4/slider.png", zoneKnob);
  for (int point = 1; point <= 13; ++point) {
    char name[32];
    std::snprintf(name, sizeof name, "Help/help_%02d.png", point);
    set.add(name, [point](const PaintContext& ctx) { return helpPicture(ctx, point); });
  }
}

}  // namespace ostrel
