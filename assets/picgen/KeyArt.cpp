// The key pictures of the button screen (80 x 40): named keys in the words
// printed on that layout's keyboards, the characters of the layout's own
// punctuation keys, the arrows, the Windows and menu keys and the mouse.

#include <QPainterPath>

#include "Art.h"
#include "Painters.h"
#include "PictureSet.h"
#include "Style.h"

namespace ostrel {
namespace {

void keycap(QPainter& p, const QRectF& r) {
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(0, 0, 0, 120));
  p.drawRoundedRect(r.adjusted(2, 4, -2, 0), 7, 7);
  QLinearGradient fill(r.topLeft(), r.bottomLeft());
  fill.setColorAt(0, QColor(70, 90, 98));
  fill.setColorAt(1, QColor(38, 52, 58));
  p.setPen(QPen(style::kTeal, 1.5));
  p.setBrush(fill);
  p.drawRoundedRect(r.adjusted(1.5, 1.5, -1.5, -3.5), 7, 7);
}

QImage keyImage(const PaintContext& ctx, QRectF* face) {
  QImage image = Art::canvas(ctx);
  QPainter p(&image);
  keycap(p, QRectF(0, 0, ctx.entry.width, ctx.entry.height));
  *face = QRectF(6, 3, ctx.entry.width - 12, ctx.entry.height - 9);
  return image;
}

Painter namedKey(const char* key) {
  return [key](const PaintContext& ctx) {
    QRectF face;
    QImage image = keyImage(ctx, &face);
    QPainter p(&image);
    ctx.fitter.draw(p, face, ctx.tr(key), {16, true, Qt::white, Qt::AlignCenter, true, 9});
    return image;
  };
}

Painter fixedKey(const QString& text) {
  return [text](const PaintContext& ctx) {
    QRectF face;
    QImage image = keyImage(ctx, &face);
    QPainter p(&image);
    ctx.fitter.draw(p, face, text, {20, true, Qt::white});
    return image;
  };
}

// A key of a layout's own: shifted character top left, plain character
// bottom left, the AltGr character (if any) bottom right, as printed.
Painter charKey(const QString& shifted, const QString& plain, const QString& altGr) {
  return [=](const PaintContext& ctx) {
    QRectF face;
    QImage image = keyImage(ctx, &face);
    QPainter p(&image);
    TextFitter& fit = ctx.fitter;
    if (shifted.isEmpty()) {
      fit.draw(p, face, plain, {24, true, Qt::white});
      return image;
    }
    const QRectF left(face.left() + 8, face.top(), 30, face.height());
    fit.draw(p, QRectF(left.left(), left.top(), 30, 17), shifted, {16, true, Qt::white, Qt::AlignLeft | Qt::AlignVCenter});
    fit.draw(p, QRectF(left.left(), left.top() + 15, 30, 18), plain, {17, true, Qt::white, Qt::AlignLeft | Qt::AlignVCenter});
    if (!altGr.isEmpty())
      fit.draw(p, QRectF(face.right() - 30, face.top() + 15, 24, 18), altGr,
               {15, false, style::kTealBright, Qt::AlignRight | Qt::AlignVCenter});
    return image;
  };
}

Painter arrowKey(int degrees) {
  return [degrees](const PaintContext& ctx) {
    QRectF face;
    QImage image = keyImage(ctx, &face);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.translate(face.center());
    p.rotate(degrees);
    Art::icon(p, Art::Icon::Arrow, QRectF(-15, -15, 30, 30), Qt::white);
    return image;
  };
}

QImage windowsKey(const PaintContext& ctx) {
  QRectF face;
  QImage image = keyImage(ctx, &face);
  QPainter p(&image);
  const QPointF c = face.center();
  for (int i = 0; i < 4; ++i)
    p.fillRect(QRectF(c.x() - 11 + (i % 2) * 12, c.y() - 11 + (i / 2) * 12, 10, 10), Qt::white);
  return image;
}

QImage menuKey(const PaintContext& ctx) {
  QRectF face;
  QImage image = keyImage(ctx, &face);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  const QPointF c = face.center();
  p.setPen(QPen(Qt::white, 2));
  p.drawRoundedRect(QRectF(c.x() - 10, c.y() - 12, 20, 24), 2, 2);
  for (int i = 0; i < 3; ++i) p.drawLine(QPointF(c.x() - 5, c.y() - 5 + 5 * i), QPointF(c.x() + 5, c.y() - 5 + 5 * i));
  return image;
}

// The mouse: a small mouse with the used part lit, and what it does in words.
enum class MousePart { Left, Right, Middle, Side4, Side5, WheelUp, WheelDown };

void mouseShape(QPainter& p, const QRectF& r, MousePart part) {
  p.setRenderHint(QPainter::Antialiasing);
  QPainterPath body;
  body.addRoundedRect(r, r.width() / 2, r.width() / 2);
  const qreal split = r.top() + r.height() * 0.42;
  p.setPen(QPen(Qt::white, 1.5));
  p.setBrush(QColor(38, 52, 58));
  p.drawPath(body);
  p.save();
  p.setClipPath(body);
  const QRectF left(r.left(), r.top(), r.width() / 2, split - r.top());
  const QRectF right(r.center().x(), r.top(), r.width() / 2, split - r.top());
  if (part == MousePart::Left) p.fillRect(left, style::kTeal);
  if (part == MousePart::Right) p.fillRect(right, style::kTeal);
  p.restore();
  p.drawLine(QPointF(r.left(), split), QPointF(r.right(), split));
  p.drawLine(QPointF(r.center().x(), r.top()), QPointF(r.center().x(), split));
  const QRectF wheel(r.center().x() - 2.5, r.top() + 4, 5, 9);
  const bool wheelLit = part == MousePart::Middle || part == MousePart::WheelUp || part == MousePart::WheelDown;
  p.setBrush(wheelLit ? style::kTealBright : QColor(38, 52, 58));
  p.drawRoundedRect(wheel, 2, 2);
  if (part == MousePart::Side4 || part == MousePart::Side5) {
    const qreal y = part == MousePart::Side4 ? split + 2 : split + 9;
    p.setBrush(style::kTealBright);
    p.drawRect(QRectF(r.left() - 3, y, 4, 6));
  }
}

Painter mouseKey(MousePart part, const char* key) {
  return [=](const PaintContext& ctx) {
    QRectF face;
    QImage image = keyImage(ctx, &face);
    QPainter p(&image);
    mouseShape(p, QRectF(face.left() + 4, face.top() + 3, 16, face.height() - 6), part);
    if (part == MousePart::WheelUp || part == MousePart::WheelDown) {
      const qreal x = face.left() + 24;
      const qreal tip = part == MousePart::WheelUp ? face.top() + 4 : face.bottom() - 4;
      const qreal tail = part == MousePart::WheelUp ? face.bottom() - 6 : face.top() + 6;
      p.setPen(QPen(style::kTealBright, 2));
      p.drawLine(QPointF(x, tail), QPointF(x, tip));
      const qreal back = part == MousePart::WheelUp ? 5 : -5;
      p.drawLine(QPointF(x, tip), QPointF(x - 3, tip + back));
      p.drawLine(QPointF(x, tip), QPointF(x + 3, tip + back));
    }
    ctx.fitter.draw(p, QRectF(face.left() + 29, face.top(), face.width() - 29, face.height()),
                    ctx.tr(key), {13, true, Qt::white, Qt::AlignCenter, true, 8});
    return image;
  };
}

struct LayoutKey {
  const char* name;
  const char* shifted;
  const char* plain;
  const char* altGr;
};

// The characters printed on these keys of French, German and Spanish keyboards.
const LayoutKey kLayoutKeys[] = {
    {"FR-1.png", ">", "<", ""},          {"FR-2.png", "µ", "*", ""},
    {"FR-3.png", "§", "!", ""},          {"FR-4.png", "°", ")", "]"},
    {"FR-5.png", "¨", "^", ""},          {"FR-6.png", "", "²", ""},
    {"FR-7.png", "£", "$", "¤"},         {"DE_0.png", "°", "^", ""},
    {"DE_1.png", "", "Ü", ""},           {"DE_2.png", "", "Ö", ""},
    {"DE_3.png", "", "Ä", ""},           {"DE_4.png", "?", "ß", "\\"},
    {"DE_5.png", "`", "´", ""},          {"DE_6.png", ">", "<", "|"},
    {"ES_1.png", "ª", "º", "\\"},        {"ES_2.png", "?", "'", ""},
    {"ES_3.png", "¿", "¡", ""},          {"ES_4.png", "^", "`", "["},
    {"ES_5.png", "", "Ç", "}"},          {"ES_6.png", "", "Ñ", ""},
    {"ES_7.png", "¨", "´", "{"},
};

}  // namespace

void registerKeys(PictureSet& set) {
  const struct { const char* name; const char* key; } named[] = {
      {"esc.png", "key.esc"},           {"tab.png", "key.tab"},
      {"enter.png", "key.enter"},       {"backspace.png", "key.backspace"},
      {"capslock.png", "key.capslock"}, {"numlock.png", "key.numlock"},
      {"insert.png", "key.insert"},     {"delete.png", "key.delete"},
      {"home.png", "key.home"},         {"end.png", "key.end"},
      {"page-up.png", "key.pageup"},    {"page-down.png", "key.pagedown"},
      {"PScr.png", "key.print"},        {"Pause.png", "key.pause"},
      {"space.png", "key.space"},       {"shift.png", "key.shift"},
      {"ctrl.png", "key.ctrl"},         {"alt.png", "key.alt"}};
  for (const auto& key : named) set.add(std::string("Screen5/") + key.name, namedKey(key.key));
  for (int f = 1; f <= 12; ++f)
    set.add("Screen5/F" + std::to_string(f) + ".png", fixedKey(QString("F%1").arg(f)));
  set.add("Screen5/arrow_r.png", arrowKey(0));
  set.add("Screen5/arrow_d.png", arrowKey(90));
  set.add("Screen5/arrow_l.png", arrowKey(180));
  set.add("Screen5/arrow_u.png", arrowKey(270));
  set.add("Screen5/windowst.png", windowsKey);
  set.add("Screen5/apps.png", menuKey);
  set.add("Screen5/Mouse-L.png", mouseKey(MousePart::Left, "mouse.left"));
  set.add("Screen5/Mouse-R.png", mouseKey(MousePart::Right, "mouse.right"));
  set.add("Screen5/Mouse-3.png", mouseKey(MousePart::Middle, "mouse.middle"));
  set.add("Screen5/Mouse-4.png", mouseKey(MousePart::Side4, "mouse.button4"));
  set.add("Screen5/Mouse-5.png", mouseKey(MousePart::Side5, "mouse.button5"));
  set.add("Screen5/Mouse-WU.png", mouseKey(MousePart::WheelUp, "mouse.wheelUp"));
  set.add("Screen5/Mouse-WD.png", mouseKey(MousePart::WheelDown, "mouse.wheelDown"));
  for (const LayoutKey& key : kLayoutKeys)
    set.add(std::string("Screen5/") + key.name,
            charKey(QString::fromUtf8(key.shifted), QString::fromUtf8(key.plain), QString::fromUtf8(key.altGr)));
}

}  // namespace ostrel
