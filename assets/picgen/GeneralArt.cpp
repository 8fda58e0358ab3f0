// The general settings screen's background and its calibration point.

#include "Art.h"
#include "Painters.h"
#include "PictureSet.h"
#include "Style.h"

namespace ostrel {
namespace {

constexpr int kLeft = Qt::AlignLeft | Qt::AlignVCenter;
constexpr int kRight = Qt::AlignRight | Qt::AlignVCenter;

// The calibration target around the point the screen marks (343, 419, 16 x 16).
void calibrationTarget(QPainter& p) {
  const QPointF c(351, 427);
  p.save();
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(8, 17, 21));
  p.drawEllipse(c, 74, 74);
  p.setBrush(Qt::NoBrush);
  p.setPen(QPen(style::kPanelEdge, 1.5));
  for (int radius : {70, 46, 22}) p.drawEllipse(c, radius, radius);
  p.setPen(QPen(QColor(80, 168, 169, 140), 1, Qt::DashLine));
  p.drawLine(QPointF(c.x() - 74, c.y()), QPointF(c.x() + 74, c.y()));
  p.drawLine(QPointF(c.x(), c.y() - 74), QPointF(c.x(), c.y() + 74));
  p.restore();
}

QImage generalScreen(const PaintContext& ctx) {
  QImage image = Art::screenGround();
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  TextFitter& fit = ctx.fitter;
  Art::title(p, fit, QRectF(64, 26, 520, 44), ctx.tr("general.title"));
  Art::caption(p, fit, QRectF(64, 96, 184, 28), ctx.tr("general.language"), kLeft);
  Art::caption(p, fit, QRectF(64, 153, 180, 28), ctx.tr("general.layout"), kLeft);
  Art::caption(p, fit, QRectF(64, 188, 540, 40), ctx.tr("general.layoutHint"), kLeft, 15);

  const QRectF calibration =
      Art::titledPanel(p, fit, QRectF(60, 246, 560, 422), ctx.tr("general.calibrationTitle"));
  calibrationTarget(p);
  Art::caption(p, fit, QRectF(84, 512, 512, 104), ctx.tr("general.calibrationText"),
               Qt::AlignHCenter | Qt::AlignTop, 17);
  Q_UNUSED(calibration);

  Art::titledPanel(p, fit, QRectF(830, 30, 440, 168), ctx.tr("general.firmwareTitle"));
  Art::caption(p, fit, QRectF(1118, 78, 62, 30), ctx.tr("general.version"), kRight, 14);

  Art::titledPanel(p, fit, QRectF(740, 240, 530, 208), ctx.tr("general.ledTitle"));
  Art::caption(p, fit, QRectF(754, 309, 114, 26), ctx.tr("general.level"), kLeft, 17);
  // The slider's groove, in case the slider draws none of its own.
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(8, 17, 21));
  p.drawRoundedRect(QRectF(880, 319, 330, 6), 3, 3);
  p.setPen(style::kSoftText);
  p.setFont(style::arial(12));
  p.drawText(QRectF(865, 336, 30, 16), Qt::AlignCenter, "0");
  p.drawText(QRectF(1195, 336, 40, 16), Qt::AlignCenter, "100");
  Art::caption(p, fit, QRectF(754, 364, 124, 36), ctx.tr("general.mode"), kLeft, 17);
  return image;
}

QImage calibrationPoint(const PaintContext& ctx) {
  QImage image = Art::canvas(ctx);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(QPen(Qt::white, 2));
  p.setBrush(style::kGood);
  p.drawEllipse(QRectF(2, 2, 12, 12));
  return image;
}

}  // namespace

void registerGeneralScreen(PictureSet& set) {
  set.add("Screen-3.jpg", generalScreen);
  set.add("Screen3/Point.png", calibrationPoint);
}

}  // namespace ostrel
