#include "ContactSheet.h"

#include <QDir>
#include <QImage>
#include <QPainter>

#include "PictureSet.h"
#include "Style.h"
#include "profile/AppState.h"

namespace ostrel {
namespace {

constexpr int kColumns = 8;
constexpr int kCellWidth = 240;
constexpr int kCellHeight = 170;
constexpr int kLabelHeight = 20;

QStringList picturesOf(int language, const QString& resDir) {
  QStringList paths;
  for (const PictureEntry& entry : pictureCatalog()) {
    const QString name = QString::fromStdString(entry.name);
    if (entry.folders == kSharedFolder) paths << resDir + "/" + name;
    else if (entry.folders & languageBit(language))
      paths << resDir + "/" + languageName(language) + "/" + name;
  }
  return paths;
}

void drawCell(QPainter& p, const QRect& cell, const QImage& image, const QString& label) {
  p.fillRect(cell.adjusted(2, 2, -2, -2), QColor(40, 40, 40));
  const QRect area = cell.adjusted(6, 6, -6, -kLabelHeight - 4);
  const QImage scaled = image.scaled(area.size(), Qt::KeepAspectRatio, Qt::SmoothTransformation);
  p.drawImage(area.center() - QPoint(scaled.width() / 2, scaled.height() / 2), scaled);
  p.setPen(Qt::white);
  p.setFont(style::arial(12));
  p.drawText(QRect(cell.left() + 4, cell.bottom() - kLabelHeight - 2, cell.width() - 8, kLabelHeight),
             Qt::AlignCenter | Qt::TextSingleLine, label);
}

}  // namespace

QStringList ContactSheet::writeAll(const QString& resDir, const QString& outDir) {
  QStringList failures;
  QDir().mkpath(outDir);
  for (int language = 0; language < kLanguageCount; ++language) {
    const QStringList paths = picturesOf(language, resDir);
    const int rows = (int(paths.size()) + kColumns - 1) / kColumns;
    QImage sheet(kColumns * kCellWidth, rows * kCellHeight, QImage::Format_RGB32);
    sheet.fill(QColor(90, 90, 90));  // mid grey, so dark and light pictures both show
    QPainter p(&sheet);
    for (int i = 0; i < paths.size(); ++i) {
      QImage image(paths[i]);
      if (image.isNull()) failures << "cannot read " + paths[i];
      const QRect cell((i % kColumns) * kCellWidth, (i / kColumns) * kCellHeight, kCellWidth, kCellHeight);
      drawCell(p, cell, image, paths[i].mid(resDir.size() + 1));
    }
    p.end();
    const QString out = outDir + "/contact-" + languageName(language) + ".png";
    if (!sheet.save(out)) failures << "cannot write " + out;
  }
  return failures;
}

}  // namespace ostrel
