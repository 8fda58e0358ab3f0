// The profile home screen's background and its notices after an activation.

#include "Art.h"
#include "PadArt.h"
#include "Painters.h"
#include "PictureSet.h"
#include "Style.h"

namespace ostrel {
namespace {

constexpr int kLeft = Qt::AlignLeft | Qt::AlignVCenter;
constexpr int kRight = Qt::AlignRight | Qt::AlignVCenter;
constexpr int kCentre = Qt::AlignCenter;

QImage homeScreen(const PaintContext& ctx) {
  QImage image = Art::screenGround();
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  TextFitter& fit = ctx.fitter;
  Art::caption(p, fit, QRectF(84, 22, 316, 40), ctx.tr("home.libraries"), kLeft, 22);
  // The pad, faintly, where the stored-profiles notice appears.
  PadArt::drawFaint(p, QRectF(440, 300, 340, 260), 0.35);
  Art::caption(p, fit, QRectF(836, 15, 150, 47), ctx.tr("home.name"), kRight, 17);

  const QRectF inner = Art::titledPanel(p, fit, QRectF(806, 352, 312, 238), ctx.tr("home.profile"));
  Art::caption(p, fit, QRectF(822, inner.top() + 2, 280, 20), ctx.tr("home.paddles"), kLeft, 15);
  Art::caption(p, fit, QRectF(822, 462, 136, 24), ctx.tr("home.sensitivity1"), kCentre, 15);
  Art::caption(p, fit, QRectF(977, 462, 136, 24), ctx.tr("home.sensitivity2"), kCentre, 15);
  Art::fieldBox(p, QRectF(840, 491, 70, 27));
  Art::fieldBox(p, QRectF(995, 491, 70, 27));
  Art::caption(p, fit, QRectF(806, 596, 312, 32), ctx.tr("home.activateHint"), kCentre, 14);
  return image;
}

QImage storedNotice(const PaintContext& ctx) {
  const QRectF words(24, 28, ctx.entry.width - 48, ctx.entry.height - 48);
  return Art::messageCard(ctx, style::kGood, Art::Icon::Check, style::kGood,
                          ctx.tr("home.storedTitle"), ctx.tr("home.storedText"), words);
}

// Shown instead when the link could not send every report of an activation.
QImage notStoredNotice(const PaintContext& ctx) {
  const QRectF words(24, 28, ctx.entry.width - 48, ctx.entry.height - 48);
  return Art::messageCard(ctx, style::kWarning, Art::Icon::Warning, style::kWarning,
                          ctx.tr("home.notStoredTitle"), ctx.tr("home.notStoredText"), words);
}

}  // namespace

void registerHomeScreen(PictureSet& set) {
  set.add("Screen-2.jpg", homeScreen);
  set.add("Screen2/Profiles-Downloaded.png", storedNotice);
  set.add("Screen2/Profiles-NotStored.png", notStoredNotice);
}

}  // namespace ostrel
