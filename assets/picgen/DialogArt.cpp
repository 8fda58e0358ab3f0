// The dialog screens: profile name, the three lists, the quit and save
// prompts, and the name warnings and delete prompt.

#include "Art.h"
#include "PadArt.h"
#include "Painters.h"
#include "PictureSet.h"
#include "Style.h"

namespace ostrel {
namespace {

constexpr int kLeft = Qt::AlignLeft | Qt::AlignVCenter;
constexpr int kCentre = Qt::AlignCenter;

// A dialog panel on the dimmed ground with the pad faint behind it.
QImage dialogGround(QPainter& p, QImage& image) {
  p.begin(&image);
  p.setRenderHint(QPainter::Antialiasing);
  PadArt::drawFaint(p, QRectF(140, 120, 1000, 560), 0.16);
  return image;
}

void dialogPanel(QPainter& p, const QRectF& r) {
  Art::panel(p, r, 16);
  p.setPen(QPen(style::kTeal, 2));
  p.setBrush(Qt::NoBrush);
  p.drawRoundedRect(r, 16, 16);
}

Painter nameScreen(const char* titleKey) {
  return [titleKey](const PaintContext& ctx) {
    QImage image = Art::screenGround(false);
    QPainter p;
    dialogGround(p, image);
    TextFitter& fit = ctx.fitter;
    dialogPanel(p, QRectF(430, 196, 506, 290));
    Art::title(p, fit, QRectF(456, 210, 410, 40), ctx.tr(titleKey));
    Art::caption(p, fit, QRectF(458, 316, 425, 20), ctx.tr("name.caption"), kLeft, 16);
    Art::fieldBox(p, QRectF(458, 338, 425, 35));
    Art::caption(p, fit, QRectF(458, 380, 425, 40), ctx.tr("name.hint"), kLeft, 14);
    return image;
  };
}

// The profile lists: title, the list's well, and a hint under it that the
// delete prompt (and the download progress) cover when they show.
Painter listScreen(const char* titleKey, const char* hintKey, int hintWidth) {
  return [=](const PaintContext& ctx) {
    QImage image = Art::screenGround(false);
    QPainter p;
    dialogGround(p, image);
    TextFitter& fit = ctx.fitter;
    dialogPanel(p, QRectF(398, 86, 548, 564));
    Art::title(p, fit, QRectF(424, 96, 440, 40), ctx.tr(titleKey));
    Art::listWell(p, QRectF(422, 145, 500, 437), 30);
    Art::caption(p, fit, QRectF(424, 586, hintWidth, 44), ctx.tr(hintKey), kLeft, 15);
    return image;
  };
}

QImage controllerList(const PaintContext& ctx) {
  QImage image = Art::screenGround(false);
  QPainter p;
  dialogGround(p, image);
  TextFitter& fit = ctx.fitter;
  dialogPanel(p, QRectF(398, 86, 548, 352));
  Art::title(p, fit, QRectF(424, 96, 440, 40), ctx.tr("controllerList.title"));
  Art::caption(p, fit, QRectF(424, 138, 496, 36), ctx.tr("controllerList.hint"), kLeft, 15);
  for (int slot = 0; slot < 4; ++slot) {
    const qreal y = 184 + 58 * slot;
    fit.draw(p, QRectF(416, y, 96, 30), ctx.tr("tab.profile") + " " + QString::number(slot + 1),
             {17, true, style::kTealBright, Qt::AlignRight | Qt::AlignVCenter});
    p.setPen(QPen(style::kPanelEdge, 1));
    p.setBrush(QColor(8, 17, 21));
    p.drawRoundedRect(QRectF(514, y - 4, 400, 38), 6, 6);
  }
  return image;
}

// A question with its Yes and No buttons (placed by the screen) under it.
Painter promptScreen(const QRectF& panel, const char* titleKey, const char* textKey) {
  return [=](const PaintContext& ctx) {
    QImage image = Art::screenGround(false);
    QPainter p;
    dialogGround(p, image);
    dialogPanel(p, panel);
    const QRectF words = panel.adjusted(30, 18, -30, -80);
    Art::message(p, ctx.fitter, words, Art::Icon::Info, style::kTealBright, ctx.tr(titleKey),
                 ctx.tr(textKey));
    return image;
  };
}

Painter strip(const char* titleKey, const char* textKey, bool warning, int wordsWidth) {
  return [=](const PaintContext& ctx) {
    QImage image = Art::canvas(ctx);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF r(1, 1, ctx.entry.width - 2, ctx.entry.height - 2);
    p.setPen(QPen(warning ? style::kWarning : style::kTeal, 2));
    p.setBrush(QColor(28, 20, 22).lighter(warning ? 100 : 140));
    if (!warning) p.setBrush(style::kPanel);
    p.drawRoundedRect(r, 8, 8);
    Art::icon(p, warning ? Art::Icon::Warning : Art::Icon::Info, QRectF(10, 8, 30, 30),
              warning ? style::kWarning : style::kTealBright);
    const QRectF words(48, 3, wordsWidth - 52, ctx.entry.height - 6);
    if (textKey) {
      ctx.fitter.draw(p, QRectF(words.left(), words.top(), words.width(), 22), ctx.tr(titleKey),
                      {17, true, Qt::white, kLeft, false, 11});
      ctx.fitter.draw(p, QRectF(words.left(), words.top() + 21, words.width(), 20), ctx.tr(textKey),
                      {14, false, style::kSoftText, kLeft, false, 9});
    } else {
      ctx.fitter.draw(p, words, ctx.tr(titleKey), {18, true, Qt::white, kLeft, true, 11});
    }
    return image;
  };
}

}  // namespace

void registerDialogs(PictureSet& set) {
  set.add("Screen-6.jpg", nameScreen("name.newTitle"));
  set.add("Screen-6a.jpg", nameScreen("name.renameTitle"));
  set.add("Screen-7.jpg", listScreen("myList.title", "myList.hint", 496));
  set.add("Screen-8.jpg", listScreen("makerList.title", "makerList.hint", 496));
  set.add("Screen-9.jpg", listScreen("download.title", "download.hint", 362));
  set.add("Screen-10.jpg", controllerList);
  // Quit prompt: Yes and No at 528 and 683, y 369 (125 x 36 each).
  set.add("Screen-11.jpg", promptScreen(QRectF(468, 236, 400, 190), "quit.title", "quit.text"));
  // Save prompt: Yes and No at 551 and 706, y 356.
  const QRectF save(466, 212, 450, 200);
  set.add("Screen-14a.jpg", promptScreen(save, "save.title", "save.stickText"));
  set.add("Screen-14b.jpg", promptScreen(save, "save.title", "save.profileText"));
  set.add("Screen-14c.jpg", promptScreen(save, "save.title", "save.buttonsText"));
  set.add("Screen6/warning.png", strip("name.takenTitle", "name.takenText", true, 429));
  set.add("Screen6/warning2.png", strip("name.badTitle", "name.badText", true, 429));
  // The Yes and No buttons stand over the right part, from x 628 of 422.
  set.add("Screen6/Profile-Delete.png", strip("list.deleteQuestion", nullptr, false, 204));
}

}  // namespace ostrel
