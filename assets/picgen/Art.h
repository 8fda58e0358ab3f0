#pragma once
// The drawing vocabulary shared by all pictures, so every screen has the same
// ground, panels, fields, buttons and marks.

#include <QImage>
#include <QPainter>
#include <QRectF>
#include <functional>

#include "PaintContext.h"

namespace ostrel {

class Art {
 public:
  // A new transparent image of the context's file size.
  static QImage canvas(const PaintContext& ctx);
  // A two-frame button strip: frame draws one frame (false: normal, true:
  // highlighted) into the rectangle it is given.
  static QImage strip(const PaintContext& ctx,
                      const std::function<void(QPainter&, const QRectF&, bool)>& frame);
  // An opaque 1280 x 720 screen ground with the slot tab column's rail.
  static QImage screenGround(bool withTabRail = true);

  static void panel(QPainter& p, const QRectF& r, qreal radius = 12);
  // A panel with a title line at its top; returns the area below the title.
  static QRectF titledPanel(QPainter& p, TextFitter& fit, const QRectF& r, const QString& title);
  // The white box an edit field or list stands on (r is the control's rect).
  static void fieldBox(QPainter& p, const QRectF& r);
  // The dark well a transparent list draws its rows on.
  static void listWell(QPainter& p, const QRectF& r, int rowHeight);
  // The round "?" mark of a help point (30 x 30 square).
  static void helpMark(QPainter& p, const QRectF& square);
  // One button face: normal or highlighted.
  static void buttonFace(QPainter& p, const QRectF& r, bool highlighted, qreal radius = 8);
  // A caption in soft text.
  static void caption(QPainter& p, TextFitter& fit, const QRectF& r, const QString& text,
                      int align = Qt::AlignLeft | Qt::AlignVCenter, int px = 18);
  // A screen title in white.
  static void title(QPainter& p, TextFitter& fit, const QRectF& r, const QString& text,
                    int align = Qt::AlignLeft | Qt::AlignVCenter);
  // The plate the profile name is written on (white text over it).
  static void namePlate(QPainter& p, const QRectF& r);
  // Darkens everything, for the message overlays and prompts.
  static void dim(QPainter& p, const QRectF& r, int alpha);

  // Small line icons drawn in a square, in the given colour.
  enum class Icon { House, Power, Pencil, Plus, Check, Cross, Arrow, Globe, Gear, Chip,
                    Download, Warning, Info, Cloud, Lock, Unlock, Reset, Save, Pad, Keyboard,
                    Crosshair, List };
  static void icon(QPainter& p, Icon icon, const QRectF& square, const QColor& color);

  // A picture of the context's size holding one message (icon, title, text)
  // in words, on a panel edged in edge.
  static QImage messageCard(const PaintContext& ctx, const QColor& edge, Icon icon,
                            const QColor& iconColour, const QString& title, const QString& text,
                            const QRectF& words);
  // A message: icon at the left, title and text beside it, inside r.
  static void message(QPainter& p, TextFitter& fit, const QRectF& r, Icon icon,
                      const QColor& iconColour, const QString& title, const QString& text);
};

}  // namespace ostrel
