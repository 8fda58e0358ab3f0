// Buttons: text buttons with an optional icon, the big tiles of the home
// screen, the slot tabs, the name plate, the lock and the round Next button.

#include <QPainterPath>

#include "Art.h"
#include "Painters.h"
#include "PictureSet.h"
#include "Style.h"

namespace ostrel {
namespace {

using Icon = Art::Icon;

struct TextButton {
  const char* name;
  const char* textKey;  // nullptr: no text (icon only)
  bool hasIcon;
  Icon icon;
};

constexpr TextButton kTextButtons[] = {
    {"quit0.png", "button.quit", true, Icon::Power},
    {"quit.png", "button.quit", false, Icon::Power},
    {"home.png", "button.home", true, Icon::House},
    {"Screen2/new.png", "button.new", true, Icon::Plus},
    {"Screen2/reset1.png", "home.resetAll", false, Icon::Reset},
    {"Screen2/save1.png", "button.save", false, Icon::Save},
    {"Screen2/On.png", "button.on", false, Icon::Check},
    {"Screen2/Off.png", "button.off", false, Icon::Cross},
    {"Screen2/reset2.png", "button.reset", false, Icon::Reset},
    {"Screen2/save2.png", "button.save", false, Icon::Save},
    {"Screen2/ProfileActivate.png", "home.activate", true, Icon::Download},
    {"Screen2/website.png", "button.website", true, Icon::Globe},
    {"Screen3/reset.png", "button.reset", true, Icon::Reset},
    {"Screen3/save.png", "button.save", true, Icon::Save},
    {"Screen3/calibrate.png", "general.calibrate", true, Icon::Crosshair},
    {"Screen3/firmwareupdate.png", "general.firmwareUpdate", true, Icon::Chip},
    {"Screen3/website.png", "button.website", true, Icon::Globe},
    {"Screen3/LED-off.png", "general.ledOff", false, Icon::Info},
    {"Screen3/LED-slow.png", "general.ledSlow", false, Icon::Info},
    {"Screen3/LED-med.png", "general.ledMedium", false, Icon::Info},
    {"Screen3/LED-quick.png", "general.ledQuick", false, Icon::Info},
    {"Screen4/reset1.png", "button.reset", true, Icon::Reset},
    {"Screen5/reset.png", "button.reset", true, Icon::Reset},
    {"Screen5/save.png", "button.save", true, Icon::Save},
    {"Screen5/On.png", "button.on", false, Icon::Check},
    {"Screen5/Off.png", "button.off", false, Icon::Cross},
    {"Screen6/save.png", "button.save", true, Icon::Save},
    {"Screen6/cancel.png", nullptr, true, Icon::Cross},
    {"Screen7/quityes.png", "button.yes", false, Icon::Check},
    {"Screen7/quitno.png", "button.no", false, Icon::Cross},
    {"Screen8/ok.png", "button.ok", false, Icon::Check},
    {"Screen8/yes.png", "button.yes", false, Icon::Check},
    {"Screen8/no.png", "button.no", false, Icon::Cross},
    {"Screen8/Download.png", "download.button", true, Icon::Download},
};

// Layout names are the same in every language.
struct LayoutButton {
  const char* name;
  const char* text;
};
constexpr LayoutButton kLayoutButtons[] = {
    {"Screen3/keyboard-fr.png", "AZERTY"},
    {"Screen3/keyboard-uk.png", "QWERTY"},
    {"Screen3/keyboard-sp.png", "QWERTY ES"},
    {"Screen3/keyboard-gr.png", "QWERTZ"},
};

void labelledFace(QPainter& p, TextFitter& fit, const QRectF& r, bool on, const QString& text,
                  bool hasIcon, Icon icon) {
  Art::buttonFace(p, r, on, std::min<qreal>(8, r.height() / 3));
  QRectF area = r.adjusted(6, 2, -6, -2);
  if (hasIcon) {
    const qreal side = std::min<qreal>(area.height() - 6, 26);
    const QRectF square(area.left() + 2, area.center().y() - side / 2, side, side);
    if (text.isEmpty()) {
      Art::icon(p, icon, QRectF(r.center().x() - side / 2, square.top(), side, side), Qt::white);
      return;
    }
    Art::icon(p, icon, square, Qt::white);
    area.setLeft(square.right() + 4);
  }
  fit.draw(p, area, text, {std::min(20, int(r.height() * 0.55)), true, Qt::white, Qt::AlignCenter,
                           false, 10});
}

Painter textButton(const TextButton& b) {
  return [b](const PaintContext& ctx) {
    const QString text = b.textKey ? ctx.tr(b.textKey) : QString();
    return Art::strip(ctx, [&](QPainter& p, const QRectF& r, bool on) {
      labelledFace(p, ctx.fitter, r, on, text, b.hasIcon, b.icon);
    });
  };
}

// The four library buttons: icon at the left, title and one line of description.
Painter libraryTile(const char* titleKey, const char* subKey, Icon icon) {
  return [=](const PaintContext& ctx) {
    const QString title = ctx.tr(titleKey), sub = ctx.tr(subKey);
    return Art::strip(ctx, [&](QPainter& p, const QRectF& r, bool on) {
      Art::buttonFace(p, r.adjusted(2, 2, -2, -2), on, 14);
      Art::icon(p, icon, QRectF(r.left() + 18, r.top() + 24, 56, 56), Qt::white);
      ctx.fitter.draw(p, QRectF(r.left() + 90, r.top() + 14, r.width() - 104, 34), title,
                      {24, true, Qt::white, Qt::AlignLeft | Qt::AlignVCenter});
      ctx.fitter.draw(p, QRectF(r.left() + 90, r.top() + 48, r.width() - 104, 44), sub,
                      {16, false, on ? Qt::white : style::kSoftText,
                       Qt::AlignLeft | Qt::AlignTop, true, 12});
    });
  };
}

// The two large editor buttons: icon above, title and description below.
Painter editorTile(const char* titleKey, const char* subKey, Icon icon) {
  return [=](const PaintContext& ctx) {
    const QString title = ctx.tr(titleKey), sub = ctx.tr(subKey);
    return Art::strip(ctx, [&](QPainter& p, const QRectF& r, bool on) {
      Art::buttonFace(p, r.adjusted(2, 2, -2, -2), on, 16);
      Art::icon(p, icon, QRectF(r.center().x() - 32, r.top() + 12, 64, 64), Qt::white);
      ctx.fitter.draw(p, QRectF(r.left() + 12, r.top() + 80, r.width() - 24, 32), title,
                      {26, true, Qt::white, Qt::AlignCenter});
      ctx.fitter.draw(p, QRectF(r.left() + 14, r.top() + 112, r.width() - 28, 42), sub,
                      {16, false, on ? Qt::white : style::kSoftText, Qt::AlignHCenter | Qt::AlignTop,
                       true, 12});
    });
  };
}

// A slot tab: a vertical tab along the left edge, its text turned upwards.
Painter tab(const char* key, int number) {
  return [=](const PaintContext& ctx) {
    const QString text = number > 0 ? ctx.tr(key) + " " + QString::number(number) : ctx.tr(key);
    return Art::strip(ctx, [&](QPainter& p, const QRectF& r, bool on) {
      QPainterPath shape;
      shape.addRoundedRect(r.adjusted(-12, 3, -3, -3), 10, 10);
      p.setPen(QPen(on ? Qt::white : style::kPanelEdge, on ? 2 : 1.2));
      p.setBrush(on ? style::kTeal : style::kPanel);
      p.drawPath(shape);
      p.save();
      p.translate(r.center());
      p.rotate(-90);
      const QRectF turned(-r.height() / 2 + 10, -r.width() / 2 + 4, r.height() - 20, r.width() - 8);
      ctx.fitter.draw(p, turned, text, {20, true, on ? Qt::white : style::kSoftText, Qt::AlignCenter});
      p.restore();
    });
  };
}

// The name field of the home screen: the name label is drawn over its left
// part by the screen; the pencil says a click renames.
QImage nameButton(const PaintContext& ctx) {
  return Art::strip(ctx, [&](QPainter& p, const QRectF& r, bool on) {
    p.setPen(QPen(on ? Qt::white : style::kTeal, on ? 2 : 1.5));
    p.setBrush(on ? style::kTealDeep : QColor(6, 14, 18));
    p.drawRoundedRect(r.adjusted(1.5, 1.5, -1.5, -1.5), 8, 8);
    Art::icon(p, Icon::Pencil, QRectF(r.right() - 38, r.center().y() - 13, 26, 26),
              on ? Qt::white : style::kTealBright);
  });
}

QImage lockButton(const PaintContext& ctx) {
  return Art::strip(ctx, [&](QPainter& p, const QRectF& r, bool on) {
    Art::buttonFace(p, r, on, 6);
    Art::icon(p, on ? Icon::Lock : Icon::Unlock, r.adjusted(4, 3, -4, -5), Qt::white);
  });
}

QImage nextButton(const PaintContext& ctx) {
  return Art::strip(ctx, [&](QPainter& p, const QRectF& r, bool on) {
    p.setPen(QPen(on ? Qt::white : style::kTealBright, 2.5));
    p.setBrush(on ? style::kTeal : style::kTealDeep);
    p.drawEllipse(r.adjusted(2, 2, -2, -2));
    Art::icon(p, Icon::Arrow, r.adjusted(9, 9, -9, -9), Qt::white);
  });
}

// The main window's hidden settings button: the same in every language, so
// it carries the product name and a gear rather than a word.
QImage masterButton(const PaintContext& ctx) {
  return Art::strip(ctx, [&](QPainter& p, const QRectF& r, bool on) {
    Art::buttonFace(p, r, on, 12);
    Art::icon(p, Icon::Gear, QRectF(r.left() + 14, r.top() + 12, 40, 40), Qt::white);
    ctx.fitter.draw(p, r.adjusted(64, 0, -14, 0), "Kelto PX-720LT", {28, true, Qt::white});
  });
}

}  // namespace

void registerButtons(PictureSet& set) {
  for (const TextButton& b : kTextButtons) set.add(b.name, textButton(b));
  for (const LayoutButton& b : kLayoutButtons) {
    const QString text = b.text;
    set.add(b.name, [text](const PaintContext& ctx) {
      return Art::strip(ctx, [&](QPainter& p, const QRectF& r, bool on) {
        labelledFace(p, ctx.fitter, r, on, text, false, Icon::Keyboard);
      });
    });
  }
  set.add("Screen2/Profiles-Controller.png", libraryTile("home.controller", "home.controllerSub", Icon::Pad));
  set.add("Screen2/Profiles-My.png", libraryTile("home.my", "home.mySub", Icon::List));
  set.add("Screen2/Profiles-Download.png", libraryTile("home.download", "home.downloadSub", Icon::Cloud));
  set.add("Screen2/Profiles-Kelto.png", libraryTile("home.maker", "home.makerSub", Icon::Download));
  set.add("Screen2/Screen2-aim.png", editorTile("home.aim", "home.aimSub", Icon::Crosshair));
  set.add("Screen2/Screen2-key.png", editorTile("home.key", "home.keySub", Icon::Keyboard));
  set.add("Screen2/Profile-Edit.png", nameButton);
  for (int slot = 1; slot <= 4; ++slot)
    set.add("profile" + std::to_string(slot) + "-uk.png", tab("tab.profile", slot));
  set.add("General-uk.png", tab("tab.general", 0));
  set.add("Screen4/lock.png", lockButton);
  set.add("next.png", nextButton);
  set.add("Master.png", masterButton);
}

}  // namespace ostrel
