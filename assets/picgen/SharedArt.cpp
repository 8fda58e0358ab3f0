// The pictures in res/ itself: the first screen, the list ticks, the combo
// box pictures and the application icon. They carry no words, since every
// language shows them.

#include "AppIconArt.h"
#include "Art.h"
#include "FlagArt.h"
#include "PadArt.h"
#include "Painters.h"
#include "PictureSet.h"
#include "Style.h"

namespace ostrel {
namespace {

// The first screen: product name, the pad, and the flag column whose
// highlighted flag the main window draws over it.
QImage firstScreen(const PaintContext&) {
  QImage image = Art::screenGround(false);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  p.setRenderHint(QPainter::TextAntialiasing);
  QRadialGradient halo(640, 400, 420);
  halo.setColorAt(0, QColor(80, 168, 169, 70));
  halo.setColorAt(1, QColor(80, 168, 169, 0));
  p.fillRect(image.rect(), halo);
  p.setPen(Qt::white);
  p.setFont(style::arial(54, true));
  p.drawText(QRectF(0, 48, 1280, 70), Qt::AlignCenter, "Kelto PX-720LT");
  p.setPen(style::kTealBright);
  p.setFont(style::arial(26));
  p.drawText(QRectF(0, 118, 1280, 40), Qt::AlignCenter, "Ostrel Controller");
  p.fillRect(QRectF(560, 168, 160, 2), style::kTeal);
  PadArt::draw(p, QRectF(300, 200, 680, 460), PadControl::None);
  // The flag column: every flag, dimmed; the chosen one is drawn over it.
  Art::panel(p, QRectF(1178, 6, 64, 246), 10);
  for (int i = 0; i < 7; ++i) {
    const QRectF flag(1187, 13 + 29 * i, 45, 29);
    FlagArt::draw(p, flag.adjusted(3, 3, -3, -3), i);
    p.fillRect(flag.adjusted(3, 3, -3, -3), QColor(8, 15, 19, 120));
  }
  return image;
}

QImage tick(const PaintContext& ctx, bool on) {
  QImage image = Art::canvas(ctx);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  const QRectF box(5, 5, 20, 20);
  p.setPen(QPen(on ? Qt::white : style::kSoftText, 2));
  p.setBrush(on ? style::kTeal : QColor(8, 17, 21));
  p.drawRoundedRect(box, 4, 4);
  if (on) Art::icon(p, Art::Icon::Check, box, Qt::white);
  return image;
}

// What shows under an open combo box: the panel colour the stick screen's
// lists stand on.
QImage comboGround(const PaintContext& ctx) {
  QImage image = Art::canvas(ctx);
  image.fill(style::kPanel);
  return image;
}

// The combo box's drop-down arrow: opaque, 24 bits, like the bitmap it replaces.
QImage comboArrow(const PaintContext& ctx) {
  QImage image(ctx.entry.width, ctx.entry.height, QImage::Format_RGB888);
  image.fill(style::kTeal);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(Qt::NoPen);
  p.setBrush(Qt::white);
  p.drawPolygon(QPolygonF({QPointF(7, 11), QPointF(21, 11), QPointF(14, 19)}));
  return image;
}

}  // namespace

void registerSharedPictures(PictureSet& set) {
  set.add("Screen1.jpg", firstScreen);
  set.add("Tick-On.png", [](const PaintContext& ctx) { return tick(ctx, true); });
  set.add("Tick-Off.png", [](const PaintContext& ctx) { return tick(ctx, false); });
  set.add("combobox.png", comboGround);
  set.add(std::string(kComboArrowPicture), comboArrow);
  set.add(std::string(kAppIconPicture),
          [](const PaintContext& ctx) { return AppIconArt::draw(ctx.entry.width); });
}

}  // namespace ostrel
