#include "PictureSet.h"

#include <QDir>
#include <QFileInfo>
#include <atomic>
#include <mutex>
#include <thread>
#include <vector>

#include "Painters.h"
#include "profile/AppState.h"

namespace ostrel {
namespace {

bool save(const QImage& image, const QString& path, bool jpeg) {
  QDir().mkpath(QFileInfo(path).absolutePath());
  if (jpeg) return image.convertToFormat(QImage::Format_RGB32).save(path, "JPG", 92);
  return image.save(path, "PNG");
}

}  // namespace

QString languageName(int language) {
  // "res/English/" -> "English"
  return QString::fromLatin1(languageFolder(language)).section('/', 1, 1);
}

PictureSet PictureSet::standard() {
  PictureSet set;
  registerButtons(set);
  registerFlags(set);
  registerSharedPictures(set);
  registerHomeScreen(set);
  registerGeneralScreen(set);
  registerStickScreen(set);
  registerButtonScreen(set);
  registerKeys(set);
  registerDialogs(set);
  registerMessages(set);
  return set;
}

void PictureSet::add(const std::string& name, Painter painter) {
  painters_[name] = std::move(painter);
}

QImage PictureSet::paint(const PaintContext& ctx, QStringList& failures) const {
  const auto found = painters_.find(ctx.entry.name);
  if (found == painters_.end()) {
    failures << QString("no painter for %1").arg(QString::fromStdString(ctx.entry.name));
    return {};
  }
  QImage image = found->second(ctx);
  if (image.width() != ctx.entry.fileWidth() || image.height() != ctx.entry.height) {
    failures << QString("%1 painted at %2 x %3").arg(QString::fromStdString(ctx.entry.name))
                    .arg(image.width()).arg(image.height());
    return {};
  }
  return image;
}

QStringList PictureSet::generateFolder(int language, const QString& resDir,
                                       const QString& textsDir) const {
  // The shared folder (-1) has no words of its own; it reads English for safety.
  Texts texts;
  texts.load(textsDir + "/" + languageName(language < 0 ? 0 : language) + ".txt");
  TextFitter fitter;
  QStringList failures;
  const FolderSet folder = language < 0 ? kSharedFolder : languageBit(language);
  const QString base = language < 0 ? resDir : resDir + "/" + languageName(language);
  for (const PictureEntry& entry : pictureCatalog()) {
    if (language < 0 ? entry.folders != kSharedFolder : (entry.folders & folder) == 0) continue;
    const QString name = QString::fromStdString(entry.name);
    fitter.setContext(languageName(language < 0 ? 0 : language) + "/" + name);
    const QImage image = paint({entry, language, texts, fitter}, failures);
    const QString path = base + "/" + name;
    if (!image.isNull() && !save(image, path, entry.kind == PictureKind::Background))
      failures << QString("cannot write %1").arg(path);
  }
  const QString where = language < 0 ? QString("res") : languageName(language);
  for (const QString& failure : texts.failures()) failures << where + ": " + failure;
  failures << fitter.failures();
  return failures;
}

QStringList PictureSet::generate(const QString& resDir, const QString& textsDir) const {
  std::atomic<int> next{-1};  // -1 is the shared folder, then languages 0..6
  std::mutex lock;
  QStringList failures;
  auto work = [&] {
    for (int language = next++; language < kLanguageCount; language = next++) {
      const QStringList found = generateFolder(language, resDir, textsDir);
      std::lock_guard<std::mutex> guard(lock);
      failures << found;
    }
  };
  std::vector<std::thread> workers;
  for (int i = 0; i < 2; ++i) workers.emplace_back(work);
  for (std::thread& worker : workers) worker.join();
  return failures;
}

}  // namespace ostrel
