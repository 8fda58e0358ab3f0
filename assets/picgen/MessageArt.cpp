// Messages: the update screen and its state pictures, the download progress
// strip, and the overlays the first and not-connected screens lay over a
// screen when the pad is missing or in another mode.

#include <cstdio>

#include "Art.h"
#include "PadArt.h"
#include "Painters.h"
#include "PictureSet.h"
#include "Style.h"

namespace ostrel {
namespace {

using Icon = Art::Icon;

struct StateMessage {
  const char* name;
  const char* key;  // key.title and key.text
  Icon icon;
  QColor colour;
};

const StateMessage kStates[] = {
    {"Screen8/contacting.png", "state.contacting", Icon::Cloud, style::kTealBright},
    {"Screen8/nocontroller.png", "state.noController", Icon::Pad, style::kWarning},
    {"Screen8/firmware-update.png", "state.offer", Icon::Chip, style::kTealBright},
    {"Screen8/updating.png", "state.updating", Icon::Chip, style::kTealBright},
    {"Screen8/recover.png", "state.recover", Icon::Reset, style::kTealBright},
    {"Screen8/no-internet.png", "state.noInternet", Icon::Cloud, style::kWarning},
    {"Screen8/update-notneeded.png", "state.upToDate", Icon::Check, style::kGood},
    {"Screen8/failed-update.png", "state.failed", Icon::Warning, style::kWarning},
    {"Screen8/success-update.png", "state.success", Icon::Check, style::kGood},
    {"Screen8/success-recover.png", "state.recovered", Icon::Check, style::kGood},
};

QString sub(const PaintContext& ctx, const char* key, const char* part) {
  return ctx.texts(QString("%1.%2").arg(key, part));
}

// 499 x 283 at (423, 250): words in the upper part; the buttons (y 164 to
// 218 inside) and the progress bar (y 167 to 215) stand in the lower part.
QImage statePicture(const PaintContext& ctx, const StateMessage& state) {
  return Art::messageCard(ctx, state.colour, state.icon, state.colour, sub(ctx, state.key, "title"),
                          sub(ctx, state.key, "text"), QRectF(24, 20, 451, 136));
}

QImage updateScreen(const PaintContext& ctx) {
  QImage image = Art::screenGround(false);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  PadArt::drawFaint(p, QRectF(140, 120, 1000, 560), 0.16);
  Art::icon(p, Icon::Chip, QRectF(423, 150, 56, 56), style::kTealBright);
  Art::title(p, ctx.fitter, QRectF(492, 150, 430, 56), ctx.tr("update.title"));
  Art::caption(p, ctx.fitter, QRectF(423, 550, 499, 56), ctx.tr("update.hint"),
               Qt::AlignHCenter | Qt::AlignTop, 17);
  return image;
}

// Frame n of the download strip: n tenths done. -1 is the success picture.
QImage downloadStrip(const PaintContext& ctx, int tenths) {
  QImage image = Art::canvas(ctx);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  const QRectF r(1, 1, ctx.entry.width - 2, ctx.entry.height - 2);
  const bool done = tenths < 0;
  p.setPen(QPen(done ? style::kGood : style::kTeal, 2));
  p.setBrush(style::kPanel);
  p.drawRoundedRect(r, 10, 10);
  const QRectF bar(12, 29, ctx.entry.width - 24, 10);
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(8, 17, 21));
  p.drawRoundedRect(bar, 5, 5);
  p.setBrush(done ? style::kGood : style::kTeal);
  const qreal share = done ? 1.0 : tenths / 10.0;
  if (share > 0) p.drawRoundedRect(QRectF(bar.topLeft(), QSizeF(bar.width() * share, bar.height())), 5, 5);
  const QString text = done ? ctx.tr("download.done")
                            : ctx.tr("download.progress") + QString("  %1 %").arg(tenths * 10);
  ctx.fitter.draw(p, QRectF(12, 4, ctx.entry.width - 24, 24), text,
                  {16, true, Qt::white, Qt::AlignLeft | Qt::AlignVCenter});
  return image;
}

// 1280 x 720 with alpha: the screen behind stays visible, darkened, and a
// panel carries the message; the Quit button stands at (578, 425).
Painter overlay(const char* key, Icon icon) {
  return [=](const PaintContext& ctx) {
    QImage image = Art::canvas(ctx);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    Art::dim(p, image.rect(), 170);
    const QRectF panel(380, 224, 520, 252);
    Art::panel(p, panel, 18);
    p.setPen(QPen(style::kWarning, 2));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(panel, 18, 18);
    Art::message(p, ctx.fitter, QRectF(408, 246, 464, 166), icon, style::kWarning,
                 sub(ctx, key, "title"), sub(ctx, key, "text"));
    return image;
  };
}

}  // namespace

void registerMessages(PictureSet& set) {
  for (const StateMessage& state : kStates)
    set.add(state.name, [&state](const PaintContext& ctx) { return statePicture(ctx, state); });
  set.add("Screen-13.jpg", updateScreen);
  for (int tenths = 0; tenths <= 10; ++tenths) {
    char name[48];
    std::snprintf(name, sizeof name, "Screen8/downloading_%02d.png", tenths);
    set.add(name, [tenths](const PaintContext& ctx) { return downloadStrip(ctx, tenths); });
  }
  set.add("Screen8/Download-Successful.png", [](const PaintContext& ctx) { return downloadStrip(ctx, -1); });
  set.add("Screen-15a.png", overlay("overlay.xbox", Icon::Pad));
  set.add("Screen-15b.png", overlay("overlay.noPad", Icon::Pad));
  set.add("Screen-15c.png", overlay("overlay.dfu", Icon::Chip));
}

}  // namespace ostrel
