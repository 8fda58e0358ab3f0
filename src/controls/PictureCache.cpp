#include "controls/PictureCache.h"

#include <QDir>
#include <QFileInfo>
#include <QImage>

#include <cstdio>
#include <utility>

namespace ostrel {

PictureCache::PictureCache(QString root, const AppState& state)
    : root_(std::move(root)), state_(state), languageFolder_(state.resourceFolder) {
  warn_ = [](const QString& line) {
    std::fprintf(stderr, "%s\n", line.toLocal8Bit().constData());
    std::fflush(stderr);
  };
}

QString PictureCache::resolve(const QString& path) const {
  if (QFileInfo(path).isAbsolute()) return QDir::cleanPath(path);
  return QDir::cleanPath(root_ + QLatin1Char('/') + path);
}

void PictureCache::setWarningSink(WarningSink sink) { warn_ = std::move(sink); }

void PictureCache::followLanguage() {
  if (state_.resourceFolder == languageFolder_) return;
  if (!languageFolder_.empty()) {
    const QString old = resolve(QString::fromStdString(languageFolder_)) + QLatin1Char('/');
    pictures_.removeIf([&old](const auto& entry) { return entry.key().startsWith(old); });
  }
  languageFolder_ = state_.resourceFolder;
}

QPixmap PictureCache::picture(const QString& path) {
  if (path.isEmpty()) return {};
  followLanguage();
  const QString file = resolve(path);
  auto found = pictures_.constFind(file);
  if (found != pictures_.constEnd()) return *found;
  // Read through QImage: QPixmap's own file cache could hand back an older
  // copy of a file rewritten within the same timestamp.
  const QPixmap loaded = QPixmap::fromImage(QImage(file));
  if (loaded.isNull() && !reported_.contains(file)) {
    reported_.insert(file);
    if (warn_) warn_(QStringLiteral("Missing picture: ") + QDir::toNativeSeparators(file));
  }
  // A missing picture is remembered too, so repaints do not retry the disk.
  pictures_.insert(file, loaded);
  return loaded;
}

QPixmap PictureCache::languagePicture(const QString& name) {
  return picture(QString::fromStdString(state_.resourceFolder) + name);
}

}  // namespace ostrel
