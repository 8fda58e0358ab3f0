#include "PadArt.h"

#include <QPainterPath>
#include <cmath>

#include "Style.h"

namespace ostrel {
namespace {

// The pad is designed in a 440 x 310 box.
constexpr qreal kWidth = 440, kHeight = 310;

const QColor kBody(46, 56, 62), kBodyDark(24, 30, 34), kPart(70, 82, 90), kLabel(200, 214, 216);

struct Look {
  PadControl highlighted;
  bool paddlesOff;
};

void part(QPainter& p, const QPainterPath& shape, bool lit, bool grey = false) {
  if (lit) {
    p.setPen(QPen(QColor(80, 168, 169, 90), 12, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPath(shape);
  }
  p.setPen(QPen(lit ? Qt::white : QColor(110, 126, 134), lit ? 2.5 : 1.2));
  p.setBrush(lit ? style::kTeal : (grey ? QColor(40, 44, 46) : kPart));
  p.drawPath(shape);
}

void label(QPainter& p, const QRectF& r, const QString& text, bool lit, int px = 13) {
  p.setPen(lit ? Qt::white : kLabel);
  p.setFont(style::arial(px, true));
  p.drawText(r, Qt::AlignCenter, text);
}

QPainterPath roundRect(const QRectF& r, qreal radius) {
  QPainterPath path;
  path.addRoundedRect(r, radius, radius);
  return path;
}

QPainterPath circle(QPointF c, qreal radius) {
  QPainterPath path;
  path.addEllipse(c, radius, radius);
  return path;
}

void arrow(QPainter& p, QPointF from, QPointF to) {
  p.setPen(QPen(Qt::white, 4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  p.drawLine(from, to);
  const QPointF d = (to - from) / std::hypot(to.x() - from.x(), to.y() - from.y());
  const QPointF n(-d.y(), d.x());
  p.drawPolyline(QPolygonF({to - d * 10 + n * 8, to, to - d * 10 - n * 8}));
}

constexpr QRectF kPaddles[4] = {{74, 262, 46, 32}, {124, 272, 46, 32}, {270, 272, 46, 32},
                                {320, 262, 46, 32}};

void paddles(QPainter& p, const Look& look) {
  const QRectF* places = kPaddles;
  const PadControl ids[] = {PadControl::M1, PadControl::M2, PadControl::M3, PadControl::M4};
  for (int i = 0; i < 4; ++i) {
    const bool lit = look.highlighted == ids[i];
    part(p, roundRect(places[i], 8), lit, look.paddlesOff && !lit);
    label(p, places[i].adjusted(0, 12, 0, 0), QString("M%1").arg(i + 1), lit, 12);
  }
}

void shoulders(QPainter& p, const Look& look) {
  struct Shoulder { QRectF r; PadControl id; const char* text; };
  const Shoulder items[] = {
      {{86, 2, 84, 32}, PadControl::LeftTrigger, "ZL"},
      {{270, 2, 84, 32}, PadControl::RightTrigger, "ZR"},
      {{72, 28, 110, 30}, PadControl::LeftBumper, "L"},
      {{258, 28, 110, 30}, PadControl::RightBumper, "R"},
  };
  for (const Shoulder& s : items) {
    const bool lit = look.highlighted == s.id;
    part(p, roundRect(s.r, 9), lit);
    const bool trigger = s.id == PadControl::LeftTrigger || s.id == PadControl::RightTrigger;
    label(p, trigger ? QRectF(s.r.left(), s.r.top(), s.r.width(), 26) : s.r.adjusted(0, 0, 0, -6),
          s.text, lit, 12);
  }
}

QPainterPath body() {
  QPainterPath path;
  path.addRoundedRect(QRectF(60, 52, 320, 140), 64, 64);
  QPainterPath grips;
  grips.addEllipse(QPointF(118, 196), 58, 84);
  grips.addEllipse(QPointF(322, 196), 58, 84);
  return path.united(grips);
}

void leftStick(QPainter& p, const Look& look) {
  const QPointF c(130, 112);
  const PadControl h = look.highlighted;
  const bool direction = h == PadControl::LeftStickUp || h == PadControl::LeftStickRight ||
                         h == PadControl::LeftStickDown || h == PadControl::LeftStickLeft;
  const bool lit = direction || h == PadControl::LeftStickClick;
  p.setPen(Qt::NoPen);
  p.setBrush(kBodyDark);
  p.drawEllipse(c, 34, 34);
  part(p, circle(c, 25), lit);
  if (h == PadControl::LeftStickClick) {
    p.setPen(QPen(Qt::white, 2));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(c, 12, 12);
    p.drawEllipse(c, 5, 5);
  }
  const QPointF step = h == PadControl::LeftStickUp ? QPointF(0, -1)
                     : h == PadControl::LeftStickRight ? QPointF(1, 0)
                     : h == PadControl::LeftStickDown ? QPointF(0, 1) : QPointF(-1, 0);
  if (direction) arrow(p, c, c + step * 46);
}

void rightStick(QPainter& p, const Look& look) {
  const QPointF c(262, 178);
  const bool lit = look.highlighted == PadControl::RightStickClick;
  p.setPen(Qt::NoPen);
  p.setBrush(kBodyDark);
  p.drawEllipse(c, 34, 34);
  part(p, circle(c, 25), lit);
  if (lit) {
    p.setPen(QPen(Qt::white, 2));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(c, 12, 12);
    p.drawEllipse(c, 5, 5);
  }
}

void dpad(QPainter& p, const Look& look) {
  const QPointF c(178, 178);
  const qreal a = 11, l = 32;
  p.setPen(Qt::NoPen);
  p.setBrush(kBodyDark);
  p.drawEllipse(c, 40, 40);
  struct Arm { QRectF r; PadControl id; };
  const Arm arms[] = {
      {{c.x() - a, c.y() - l, 2 * a, l - a + 1}, PadControl::DPadUp},
      {{c.x() + a - 1, c.y() - a, l - a + 1, 2 * a}, PadControl::DPadRight},
      {{c.x() - a, c.y() + a - 1, 2 * a, l - a + 1}, PadControl::DPadDown},
      {{c.x() - l, c.y() - a, l - a + 1, 2 * a}, PadControl::DPadLeft},
  };
  p.setBrush(kPart);
  p.setPen(Qt::NoPen);
  p.drawRect(QRectF(c.x() - a, c.y() - a, 2 * a, 2 * a));
  for (const Arm& arm : arms) part(p, roundRect(arm.r, 3), look.highlighted == arm.id);
}

void faceButtons(QPainter& p, const Look& look) {
  const QPointF c(312, 112);
  struct Face { QPointF at; PadControl id; const char* text; QColor tint; };
  const Face items[] = {
      {{0, -27}, PadControl::Y, "Y", QColor(236, 200, 60)},
      {{-27, 0}, PadControl::X, "X", QColor(90, 150, 240)},
      {{27, 0}, PadControl::B, "B", QColor(230, 90, 90)},
      {{0, 27}, PadControl::A, "A", QColor(110, 210, 110)},
  };
  for (const Face& f : items) {
    const bool lit = look.highlighted == f.id;
    part(p, circle(c + f.at, 14), lit);
    p.setPen(lit ? Qt::white : f.tint);
    p.setFont(style::arial(15, true));
    p.drawText(QRectF(c + f.at - QPointF(14, 14), QSizeF(28, 28)), Qt::AlignCenter, f.text);
  }
}

void middleButtons(QPainter& p, const Look& look) {
  const QRectF s1(188, 102, 28, 16), s2(224, 102, 28, 16);
  part(p, roundRect(s1, 8), look.highlighted == PadControl::S1);
  part(p, roundRect(s2, 8), look.highlighted == PadControl::S2);
  label(p, s1.translated(0, 16), "S1", look.highlighted == PadControl::S1, 11);
  label(p, s2.translated(0, 16), "S2", look.highlighted == PadControl::S2, 11);
}

}  // namespace

QRectF PadArt::bounds(const QRectF& r) {
  const qreal scale = std::min(r.width() / kWidth, r.height() / kHeight);
  const QSizeF size(kWidth * scale, kHeight * scale);
  return QRectF(r.center() - QPointF(size.width() / 2, size.height() / 2), size);
}

void PadArt::drawFaint(QPainter& p, const QRectF& r, qreal opacity) {
  const QRectF box = bounds(r);
  QImage layer(box.size().toSize(), QImage::Format_ARGB32_Premultiplied);
  layer.fill(Qt::transparent);
  QPainter lp(&layer);
  draw(lp, QRectF(QPointF(0, 0), box.size()), PadControl::None);
  lp.end();
  p.save();
  p.setOpacity(opacity);
  p.drawImage(box.topLeft(), layer);
  p.restore();
}

std::array<QRectF, 4> PadArt::paddleRects(const QRectF& r) {
  const QRectF box = bounds(r);
  const qreal scale = box.width() / kWidth;
  std::array<QRectF, 4> rects;
  for (int i = 0; i < 4; ++i)
    rects[i] = QRectF(box.topLeft() + kPaddles[i].topLeft() * scale, kPaddles[i].size() * scale);
  return rects;
}

void PadArt::draw(QPainter& p, const QRectF& r, PadControl highlighted, bool paddlesOff) {
  const QRectF box = bounds(r);
  p.save();
  p.setRenderHint(QPainter::Antialiasing);
  p.translate(box.topLeft());
  p.scale(box.width() / kWidth, box.height() / kHeight);
  const Look look{highlighted, paddlesOff};
  shoulders(p, look);
  paddles(p, look);  // behind the grips, so only their lower ends show
  QLinearGradient shade(0, 52, 0, 280);
  shade.setColorAt(0, kBody.lighter(120));
  shade.setColorAt(1, kBodyDark);
  p.setPen(QPen(QColor(120, 138, 146), 2));
  p.setBrush(shade);
  p.drawPath(body());
  leftStick(p, look);
  dpad(p, look);
  faceButtons(p, look);
  rightStick(p, look);
  middleButtons(p, look);
  p.restore();
}

}  // namespace ostrel
