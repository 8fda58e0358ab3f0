// The button mapping screen: the background with its 24 named cells and the
// pad, the 24 control pictures that mark the chosen cell and light its
// control, the paddles-off cover and the layout indicators.

#include "Art.h"
#include "PadArt.h"
#include "Painters.h"
#include "PictureSet.h"
#include "Style.h"

namespace ostrel {
namespace {

constexpr int kLeft = Qt::AlignLeft | Qt::AlignVCenter;
// The control pictures and the paddles-off cover are drawn at this corner.
constexpr QPointF kPictureCorner(72, 166);
const QRectF kPadArea(838, 176, 428, 300);
const QRectF kSelectedArea(838, 492, 200, 106);

QPointF anchor(int cell) {
  constexpr int kRows[8] = {184, 236, 287, 338, 390, 441, 493, 545};
  return QPointF(88 + 254 * (cell / 8), kRows[cell % 8]);
}

QRectF cellBox(int cell) {
  const QPointF a = anchor(cell);
  return QRectF(a.x() - 10, a.y() - 7, 230, 56);
}

QString controlName(const PaintContext& ctx, int cell) {
  return ctx.tr(QString("control.%1").arg(cell).toLatin1().constData());
}

QImage buttonScreen(const PaintContext& ctx) {
  QImage image = Art::screenGround();
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  TextFitter& fit = ctx.fitter;
  Art::namePlate(p, QRectF(125, 18, 240, 42));
  fit.draw(p, QRectF(376, 18, 400, 42), ctx.tr("buttons.title"), {22, true, style::kTealBright, kLeft});
  fit.draw(p, QRectF(56, 126, 128, 24), ctx.tr("buttons.layout"),
           {15, false, style::kSoftText, Qt::AlignRight | Qt::AlignVCenter});
  fit.draw(p, QRectF(300, 104, 960, 54), ctx.tr("buttons.hint"),
           {17, false, style::kSoftText, kLeft, true, 12});
  Art::panel(p, QRectF(64, 166, 768, 440));
  for (int cell = 0; cell < 24; ++cell) {
    const QPointF a = anchor(cell);
    p.setPen(QPen(style::kPanelEdge, 1));
    p.setBrush(QColor(255, 255, 255, 8));
    p.drawRoundedRect(cellBox(cell).adjusted(2, 2, -2, -2), 8, 8);
    fit.draw(p, QRectF(a.x() - 2, a.y() - 4, 128, 50), controlName(ctx, cell),
             {17, false, Qt::white, kLeft, true, 11});
    p.setPen(QPen(QColor(255, 255, 255, 30), 1));
    p.setBrush(QColor(6, 12, 15));
    p.drawRoundedRect(QRectF(a.x() + 130, a.y() + 1, 80, 40), 6, 6);
  }
  Art::panel(p, QRectF(836, 166, 432, 320));
  PadArt::draw(p, kPadArea, PadControl::None);
  fit.draw(p, QRectF(300, 634, 260, 35), ctx.tr("buttons.paddles"),
           {16, false, style::kSoftText, Qt::AlignRight | Qt::AlignVCenter, true, 11});
  return image;
}

// Drawn over the background at (72, 166): the chosen cell framed, its
// control lit on the pad and named under it; transparent elsewhere.
QImage controlPicture(const PaintContext& ctx, int cell) {
  QImage image = Art::canvas(ctx);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  p.translate(-kPictureCorner);
  p.setPen(QPen(style::kTealBright, 3));
  p.setBrush(QColor(80, 168, 169, 60));
  p.drawRoundedRect(cellBox(cell).adjusted(2, 2, -2, -2), 8, 8);
  PadArt::draw(p, kPadArea, PadControl(cell));
  ctx.fitter.draw(p, QRectF(kSelectedArea.topLeft(), QSizeF(200, 24)), ctx.tr("buttons.selected"),
                  {15, false, style::kSoftText, kLeft});
  ctx.fitter.draw(p, kSelectedArea.adjusted(0, 26, 0, 0), controlName(ctx, cell),
                  {24, true, Qt::white, Qt::AlignLeft | Qt::AlignTop, true, 14});
  return image;
}

// Laid over the control picture while the paddles are off: the four paddle
// cells and the paddles on the pad are covered and marked off.
QImage paddlesOff(const PaintContext& ctx) {
  QImage image = Art::canvas(ctx);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  p.translate(-kPictureCorner);
  const QRectF cells = cellBox(18).united(cellBox(21)).adjusted(2, 2, -2, -2);
  p.setPen(QPen(style::kWarning, 2));
  p.setBrush(QColor(4, 8, 10, 200));
  p.drawRoundedRect(cells, 8, 8);
  ctx.fitter.draw(p, cells.adjusted(16, 16, -16, -16), ctx.tr("buttons.paddlesOff"),
                  {24, true, Qt::white, Qt::AlignCenter, true, 14});
  for (const QRectF& paddle : PadArt::paddleRects(kPadArea)) {
    p.setPen(QPen(style::kWarning, 2));
    p.setBrush(QColor(4, 8, 10, 190));
    p.drawRoundedRect(paddle, 5, 5);
    p.drawLine(paddle.bottomLeft() + QPointF(4, -4), paddle.topRight() + QPointF(-4, 4));
  }
  return image;
}

QImage layoutIndicator(const PaintContext& ctx, const QString& text) {
  QImage image = Art::canvas(ctx);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  const QRectF r(0.5, 0.5, ctx.entry.width - 1, ctx.entry.height - 1);
  p.setPen(QPen(style::kTeal, 1));
  p.setBrush(style::kTealDeep);
  p.drawRoundedRect(r, 8, 8);
  ctx.fitter.draw(p, r.adjusted(6, 0, -6, 0), text, {13, true, Qt::white});
  return image;
}

}  // namespace

void registerButtonScreen(PictureSet& set) {
  set.add("Screen-5.jpg", buttonScreen);
  set.add("Screen5/Shortcuts-Off.png", paddlesOff);
  for (int cell = 0; cell < 24; ++cell)
    set.add(std::string("Screen5/") + controlPictureNames()[cell],
            [cell](const PaintContext& ctx) { return controlPicture(ctx, cell); });
  const struct { const char* name; const char* text; } layouts[] = {
      {"Screen5/azerty.png", "AZERTY"}, {"Screen5/qwerty.png", "QWERTY"},
      {"Screen5/qwertysp.png", "QWERTY ES"}, {"Screen5/qwertzu.png", "QWERTZ"}};
  for (const auto& layout : layouts) {
    const QString text = layout.text;
    set.add(layout.name, [text](const PaintContext& ctx) { return layoutIndicator(ctx, text); });
  }
}

}  // namespace ostrel
