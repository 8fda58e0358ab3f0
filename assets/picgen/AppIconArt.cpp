#include "AppIconArt.h"

#include <QDir>
#include <QPainter>

#include "PadArt.h"
#include "Style.h"
#include "pictures/PictureCatalog.h"

namespace ostrel {
namespace {
constexpr qreal kDesignSize = 256;
}  // namespace

QImage AppIconArt::draw(int size) {
  QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  p.scale(size / kDesignSize, size / kDesignSize);
  const QRectF r(8, 8, 240, 240);
  QLinearGradient fill(r.topLeft(), r.bottomLeft());
  fill.setColorAt(0, style::kTealBright);
  fill.setColorAt(1, style::kTealDeep);
  p.setPen(Qt::NoPen);
  p.setBrush(fill);
  p.drawRoundedRect(r, 52, 52);
  PadArt::draw(p, r.adjusted(18, 30, -18, -30), PadControl::None);
  return image;
}

QStringList AppIconArt::writeThemeSizes(const QString& themeDir, const QList<int>& sizes) {
  QStringList failures;
  const QString name = QString::fromLatin1(kAppIconPicture.data(), kAppIconPicture.size());
  for (const int size : sizes) {
    const QString folder = QStringLiteral("%1/%2x%2/apps").arg(themeDir).arg(size);
    const QString file = folder + QLatin1Char('/') + name;
    if (size <= 0 || !QDir().mkpath(folder) || !draw(size).save(file, "PNG")) failures << file;
  }
  return failures;
}

}  // namespace ostrel
