#include "Art.h"

#include <QLinearGradient>
#include <QPainterPath>
#include <QRadialGradient>
#include <cmath>

#include "Style.h"

namespace ostrel {

QImage Art::canvas(const PaintContext& ctx) {
  QImage image(ctx.entry.fileWidth(), ctx.entry.height, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  return image;
}

QImage Art::strip(const PaintContext& ctx,
                  const std::function<void(QPainter&, const QRectF&, bool)>& frame) {
  QImage image = canvas(ctx);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  p.setRenderHint(QPainter::TextAntialiasing);
  for (int highlighted = 0; highlighted < 2; ++highlighted) {
    const QRectF r(highlighted * ctx.entry.width, 0, ctx.entry.width, ctx.entry.height);
    p.save();
    p.setClipRect(r);
    frame(p, r, highlighted != 0);
    p.restore();
  }
  return image;
}

QImage Art::screenGround(bool withTabRail) {
  QImage image(1280, 720, QImage::Format_ARGB32_Premultiplied);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  QLinearGradient ground(0, 0, 0, 720);
  ground.setColorAt(0, style::kGroundTop);
  ground.setColorAt(1, style::kGroundBottom);
  p.fillRect(image.rect(), ground);
  // A soft teal glow and fine diagonal lines give the ground some depth.
  QRadialGradient glow(900, 120, 700);
  glow.setColorAt(0, QColor(80, 168, 169, 40));
  glow.setColorAt(1, QColor(80, 168, 169, 0));
  p.fillRect(image.rect(), glow);
  p.setPen(QPen(QColor(255, 255, 255, 7), 1));
  for (int x = -720; x < 1280; x += 24) p.drawLine(x, 720, x + 720, 0);
  if (withTabRail) {
    p.fillRect(QRectF(0, 0, 52, 720), QColor(6, 12, 15));
    p.fillRect(QRectF(50, 0, 2, 720), style::kTealDeep);
  }
  return image;
}

void Art::panel(QPainter& p, const QRectF& r, qreal radius) {
  p.save();
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(0, 0, 0, 90));
  p.drawRoundedRect(r.translated(0, 3), radius, radius);
  QLinearGradient fill(r.topLeft(), r.bottomLeft());
  fill.setColorAt(0, style::kPanel.lighter(115));
  fill.setColorAt(1, style::kPanel);
  p.setBrush(fill);
  p.setPen(QPen(style::kPanelEdge, 1.5));
  p.drawRoundedRect(r, radius, radius);
  p.restore();
}

QRectF Art::titledPanel(QPainter& p, TextFitter& fit, const QRectF& r, const QString& text) {
  panel(p, r);
  const QRectF line(r.left() + 16, r.top() + 6, r.width() - 32, 30);
  fit.draw(p, line, text, {20, true, style::kTealBright, Qt::AlignLeft | Qt::AlignVCenter});
  p.fillRect(QRectF(r.left() + 16, r.top() + 38, r.width() - 32, 1), style::kPanelEdge);
  return QRectF(r.left(), r.top() + 40, r.width(), r.height() - 40);
}

void Art::fieldBox(QPainter& p, const QRectF& r) {
  p.save();
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(QPen(style::kFieldEdge, 2));
  p.setBrush(style::kField);
  p.drawRoundedRect(r.adjusted(-3, -3, 3, 3), 5, 5);
  p.restore();
}

void Art::listWell(QPainter& p, const QRectF& r, int rowHeight) {
  p.save();
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(QPen(style::kPanelEdge, 1.5));
  p.setBrush(QColor(8, 17, 21));
  p.drawRoundedRect(r.adjusted(-4, -4, 4, 4), 8, 8);
  p.setPen(QPen(QColor(255, 255, 255, 14), 1));
  for (qreal y = r.top() + rowHeight; y < r.bottom() - 1; y += rowHeight)
    p.drawLine(QPointF(r.left() + 6, y), QPointF(r.right() - 6, y));
  p.restore();
}

void Art::helpMark(QPainter& p, const QRectF& square) {
  p.save();
  p.setRenderHint(QPainter::Antialiasing);
  const QRectF circle = square.adjusted(3, 3, -3, -3);
  p.setPen(QPen(style::kTealBright, 2));
  p.setBrush(style::kTealDeep);
  p.drawEllipse(circle);
  p.setPen(style::kText);
  p.setFont(style::arial(17, true));
  p.drawText(circle, Qt::AlignCenter, "?");
  p.restore();
}

void Art::buttonFace(QPainter& p, const QRectF& r, bool highlighted, qreal radius) {
  p.save();
  p.setRenderHint(QPainter::Antialiasing);
  const QRectF face = r.adjusted(1.5, 1.5, -1.5, -1.5);
  QLinearGradient fill(face.topLeft(), face.bottomLeft());
  if (highlighted) {
    fill.setColorAt(0, style::kTealBright);
    fill.setColorAt(1, style::kTeal.darker(115));
    p.setPen(QPen(Qt::white, 2));
  } else {
    fill.setColorAt(0, style::kButtonTop);
    fill.setColorAt(1, style::kButtonBottom);
    p.setPen(QPen(style::kTeal, 1.5));
  }
  p.setBrush(fill);
  p.drawRoundedRect(face, radius, radius);
  // A thin light line under the top edge reads as a raised face.
  p.setPen(QPen(QColor(255, 255, 255, highlighted ? 90 : 40), 1));
  p.drawLine(QPointF(face.left() + radius, face.top() + 2),
             QPointF(face.right() - radius, face.top() + 2));
  p.restore();
}

void Art::caption(QPainter& p, TextFitter& fit, const QRectF& r, const QString& text, int align,
                  int px) {
  fit.draw(p, r, text, {px, false, style::kSoftText, align, r.height() >= 2.2 * px});
}

void Art::title(QPainter& p, TextFitter& fit, const QRectF& r, const QString& text, int align) {
  fit.draw(p, r, text, {28, true, style::kText, align});
}

void Art::namePlate(QPainter& p, const QRectF& r) {
  p.save();
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(QPen(style::kTeal, 1.5));
  p.setBrush(QColor(6, 14, 18));
  p.drawRoundedRect(r, 8, 8);
  p.restore();
}

void Art::message(QPainter& p, TextFitter& fit, const QRectF& r, Icon which,
                  const QColor& iconColour, const QString& title, const QString& text) {
  const qreal side = std::min<qreal>(56, r.height() - 8);
  icon(p, which, QRectF(r.left(), r.top() + 4, side, side), iconColour);
  const QRectF words(r.left() + side + 16, r.top(), r.width() - side - 16, r.height());
  const qreal titleHeight = std::min<qreal>(36, r.height() / 2.5);
  fit.draw(p, QRectF(words.left(), words.top(), words.width(), titleHeight), title,
           {std::min(26, int(titleHeight * 0.8)), true, Qt::white, Qt::AlignLeft | Qt::AlignVCenter});
  if (!text.isEmpty())
    fit.draw(p, words.adjusted(0, titleHeight + 4, 0, 0), text,
             {18, false, style::kSoftText, Qt::AlignLeft | Qt::AlignTop, true, 12});
}

QImage Art::messageCard(const PaintContext& ctx, const QColor& edge, Icon which,
                        const QColor& iconColour, const QString& title, const QString& text,
                        const QRectF& words) {
  QImage image = canvas(ctx);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  const QRectF r(1, 1, ctx.entry.width - 2, ctx.entry.height - 4);
  panel(p, r, 14);
  p.setPen(QPen(edge, 2));
  p.setBrush(Qt::NoBrush);
  p.drawRoundedRect(r, 14, 14);
  message(p, ctx.fitter, words, which, iconColour, title, text);
  return image;
}

void Art::dim(QPainter& p, const QRectF& r, int alpha) { p.fillRect(r, QColor(2, 6, 8, alpha)); }

namespace {

QPainterPath arrowPath(const QRectF& s) {
  QPainterPath path;
  path.moveTo(s.left() + s.width() * 0.15, s.center().y());
  path.lineTo(s.right() - s.width() * 0.2, s.center().y());
  path.moveTo(s.center().x() + s.width() * 0.05, s.top() + s.height() * 0.25);
  path.lineTo(s.right() - s.width() * 0.2, s.center().y());
  path.lineTo(s.center().x() + s.width() * 0.05, s.bottom() - s.height() * 0.25);
  return path;
}

void lockIcon(QPainter& p, const QRectF& s, bool open) {
  const QRectF body(s.left() + s.width() * 0.2, s.top() + s.height() * 0.45, s.width() * 0.6,
                    s.height() * 0.45);
  QRectF shackle(s.left() + s.width() * 0.3, s.top() + s.height() * 0.12, s.width() * 0.4,
                 s.height() * 0.6);
  if (open) shackle.translate(s.width() * 0.18, -s.height() * 0.06);
  p.drawArc(shackle, 0, 180 * 16);
  p.drawLine(QPointF(shackle.left(), shackle.center().y()),
             QPointF(shackle.left(), body.top()));
  if (!open) p.drawLine(QPointF(shackle.right(), shackle.center().y()),
                        QPointF(shackle.right(), body.top()));
  else p.drawLine(QPointF(shackle.right(), shackle.center().y()),
                  QPointF(shackle.right(), shackle.center().y() + s.height() * 0.08));
  p.save();
  p.setBrush(p.pen().color());
  p.drawRoundedRect(body, 2, 2);
  p.restore();
}

}  // namespace

void Art::icon(QPainter& p, Icon which, const QRectF& s, const QColor& color) {
  p.save();
  p.setRenderHint(QPainter::Antialiasing);
  const qreal w = s.width();
  p.setPen(QPen(color, std::max(1.5, w / 12), Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  p.setBrush(Qt::NoBrush);
  const QPointF c = s.center();
  switch (which) {
    case Icon::House: {
      QPainterPath path;
      path.moveTo(s.left() + w * 0.12, s.top() + w * 0.5);
      path.lineTo(c.x(), s.top() + w * 0.14);
      path.lineTo(s.right() - w * 0.12, s.top() + w * 0.5);
      path.moveTo(s.left() + w * 0.24, s.top() + w * 0.42);
      path.lineTo(s.left() + w * 0.24, s.bottom() - w * 0.14);
      path.lineTo(s.right() - w * 0.24, s.bottom() - w * 0.14);
      path.lineTo(s.right() - w * 0.24, s.top() + w * 0.42);
      p.drawPath(path);
      p.drawRect(QRectF(c.x() - w * 0.08, s.bottom() - w * 0.38, w * 0.16, w * 0.24));
      break;
    }
    case Icon::Power:
      p.drawArc(s.adjusted(w * 0.18, w * 0.2, -w * 0.18, -w * 0.16), 120 * 16, 300 * 16);
      p.drawLine(QPointF(c.x(), s.top() + w * 0.1), QPointF(c.x(), c.y()));
      break;
    case Icon::Pencil: {
      QPainterPath path;
      path.moveTo(s.left() + w * 0.2, s.bottom() - w * 0.2);
      path.lineTo(s.left() + w * 0.25, s.bottom() - w * 0.38);
      path.lineTo(s.right() - w * 0.32, s.top() + w * 0.18);
      path.lineTo(s.right() - w * 0.18, s.top() + w * 0.32);
      path.lineTo(s.left() + w * 0.38, s.bottom() - w * 0.25);
      path.closeSubpath();
      p.drawPath(path);
      break;
    }
    case Icon::Plus:
      p.drawLine(QPointF(c.x(), s.top() + w * 0.2), QPointF(c.x(), s.bottom() - w * 0.2));
      p.drawLine(QPointF(s.left() + w * 0.2, c.y()), QPointF(s.right() - w * 0.2, c.y()));
      break;
    case Icon::Check: {
      QPainterPath path;
      path.moveTo(s.left() + w * 0.2, c.y());
      path.lineTo(s.left() + w * 0.42, s.bottom() - w * 0.25);
      path.lineTo(s.right() - w * 0.18, s.top() + w * 0.25);
      p.drawPath(path);
      break;
    }
    case Icon::Cross:
      p.drawLine(s.topLeft() + QPointF(w * 0.25, w * 0.25), s.bottomRight() - QPointF(w * 0.25, w * 0.25));
      p.drawLine(s.topRight() + QPointF(-w * 0.25, w * 0.25), s.bottomLeft() + QPointF(w * 0.25, -w * 0.25));
      break;
    case Icon::Arrow:
      p.drawPath(arrowPath(s));
      break;
    case Icon::Globe:
      p.drawEllipse(s.adjusted(w * 0.12, w * 0.12, -w * 0.12, -w * 0.12));
      p.drawEllipse(QRectF(c.x() - w * 0.16, s.top() + w * 0.12, w * 0.32, w * 0.76));
      p.drawLine(QPointF(s.left() + w * 0.12, c.y()), QPointF(s.right() - w * 0.12, c.y()));
      break;
    case Icon::Gear:
      for (int i = 0; i < 8; ++i) {
        const qreal a = i * M_PI / 4;
        p.drawLine(c + QPointF(std::cos(a), std::sin(a)) * w * 0.28,
                   c + QPointF(std::cos(a), std::sin(a)) * w * 0.42);
      }
      p.drawEllipse(c, w * 0.27, w * 0.27);
      p.drawEllipse(c, w * 0.1, w * 0.1);
      break;
    case Icon::Chip:
      p.drawRoundedRect(s.adjusted(w * 0.25, w * 0.25, -w * 0.25, -w * 0.25), 2, 2);
      for (int i = 0; i < 3; ++i) {
        const qreal off = s.left() + w * (0.35 + 0.15 * i);
        p.drawLine(QPointF(off, s.top() + w * 0.1), QPointF(off, s.top() + w * 0.25));
        p.drawLine(QPointF(off, s.bottom() - w * 0.25), QPointF(off, s.bottom() - w * 0.1));
        p.drawLine(QPointF(s.left() + w * 0.1, off), QPointF(s.left() + w * 0.25, off));
        p.drawLine(QPointF(s.right() - w * 0.25, off), QPointF(s.right() - w * 0.1, off));
      }
      break;
    case Icon::Download:
      p.drawLine(QPointF(c.x(), s.top() + w * 0.12), QPointF(c.x(), s.bottom() - w * 0.3));
      p.drawPolyline(QPolygonF({QPointF(s.left() + w * 0.3, c.y()), QPointF(c.x(), s.bottom() - w * 0.3),
                                QPointF(s.right() - w * 0.3, c.y())}));
      p.drawLine(QPointF(s.left() + w * 0.18, s.bottom() - w * 0.14),
                 QPointF(s.right() - w * 0.18, s.bottom() - w * 0.14));
      break;
    case Icon::Warning: {
      QPainterPath path;
      path.moveTo(c.x(), s.top() + w * 0.1);
      path.lineTo(s.right() - w * 0.08, s.bottom() - w * 0.14);
      path.lineTo(s.left() + w * 0.08, s.bottom() - w * 0.14);
      path.closeSubpath();
      p.drawPath(path);
      p.drawLine(QPointF(c.x(), s.top() + w * 0.38), QPointF(c.x(), s.top() + w * 0.62));
      p.drawPoint(QPointF(c.x(), s.top() + w * 0.74));
      break;
    }
    case Icon::Info:
      p.drawEllipse(s.adjusted(w * 0.1, w * 0.1, -w * 0.1, -w * 0.1));
      p.drawLine(QPointF(c.x(), c.y() - w * 0.04), QPointF(c.x(), s.bottom() - w * 0.26));
      p.drawPoint(QPointF(c.x(), s.top() + w * 0.3));
      break;
    case Icon::Cloud: {
      QPainterPath path;
      QPainterPath left, middle, right;
      left.addEllipse(QRectF(s.left() + w * 0.08, s.top() + w * 0.44, w * 0.36, w * 0.32));
      middle.addEllipse(QRectF(s.left() + w * 0.26, s.top() + w * 0.22, w * 0.44, w * 0.46));
      right.addEllipse(QRectF(s.left() + w * 0.54, s.top() + w * 0.4, w * 0.38, w * 0.36));
      path = left.united(middle).united(right);
      path.addRect(QRectF(s.left() + w * 0.26, s.top() + w * 0.56, w * 0.48, w * 0.2));
      p.drawPath(path.simplified());
      break;
    }
    case Icon::Lock:
    case Icon::Unlock:
      lockIcon(p, s, which == Icon::Unlock);
      break;
    case Icon::Reset: {
      const QRectF arc = s.adjusted(w * 0.18, w * 0.18, -w * 0.18, -w * 0.18);
      p.drawArc(arc, 60 * 16, 290 * 16);
      const QPointF end(arc.center().x() + arc.width() / 2 * std::cos(M_PI / 3),
                        arc.center().y() - arc.height() / 2 * std::sin(M_PI / 3));
      p.drawPolyline(QPolygonF({end + QPointF(-w * 0.16, -w * 0.04), end, end + QPointF(w * 0.02, w * 0.16)}));
      break;
    }
    case Icon::Save:
      p.drawRoundedRect(s.adjusted(w * 0.16, w * 0.16, -w * 0.16, -w * 0.16), 2, 2);
      p.drawRect(QRectF(s.left() + w * 0.32, s.top() + w * 0.16, w * 0.36, w * 0.22));
      p.drawRect(QRectF(s.left() + w * 0.28, c.y() + w * 0.06, w * 0.44, w * 0.2));
      break;
    case Icon::Pad: {
      QPainterPath body;
      body.addRoundedRect(QRectF(s.left() + w * 0.08, s.top() + w * 0.3, w * 0.84, w * 0.42), w * 0.2, w * 0.2);
      p.drawPath(body);
      p.drawLine(QPointF(s.left() + w * 0.22, c.y() + w * 0.02), QPointF(s.left() + w * 0.38, c.y() + w * 0.02));
      p.drawLine(QPointF(s.left() + w * 0.3, c.y() - w * 0.06), QPointF(s.left() + w * 0.3, c.y() + w * 0.1));
      p.drawPoint(QPointF(s.right() - w * 0.28, c.y() - w * 0.04));
      p.drawPoint(QPointF(s.right() - w * 0.2, c.y() + w * 0.06));
      break;
    }
    case Icon::Keyboard:
      p.drawRoundedRect(s.adjusted(w * 0.06, w * 0.26, -w * 0.06, -w * 0.22), 3, 3);
      for (int row = 0; row < 2; ++row)
        for (int col = 0; col < 5; ++col)
          p.drawPoint(QPointF(s.left() + w * (0.2 + 0.15 * col), s.top() + w * (0.4 + 0.13 * row)));
      p.drawLine(QPointF(s.left() + w * 0.3, s.top() + w * 0.67), QPointF(s.right() - w * 0.3, s.top() + w * 0.67));
      break;
    case Icon::Crosshair:
      p.drawEllipse(c, w * 0.34, w * 0.34);
      p.drawEllipse(c, w * 0.12, w * 0.12);
      p.drawLine(QPointF(c.x(), s.top() + w * 0.04), QPointF(c.x(), s.top() + w * 0.26));
      p.drawLine(QPointF(c.x(), s.bottom() - w * 0.26), QPointF(c.x(), s.bottom() - w * 0.04));
      p.drawLine(QPointF(s.left() + w * 0.04, c.y()), QPointF(s.left() + w * 0.26, c.y()));
      p.drawLine(QPointF(s.right() - w * 0.26, c.y()), QPointF(s.right() - w * 0.04, c.y()));
      break;
    case Icon::List:
      for (int i = 0; i < 3; ++i) {
        const qreal y = s.top() + w * (0.28 + 0.22 * i);
        p.drawPoint(QPointF(s.left() + w * 0.2, y));
        p.drawLine(QPointF(s.left() + w * 0.34, y), QPointF(s.right() - w * 0.16, y));
      }
      break;
  }
  p.restore();
}

}  // namespace ostrel
