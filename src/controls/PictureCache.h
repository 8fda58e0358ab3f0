#pragma once
// The screens' pictures, read from disk once per path and kept, because the
// screens repaint often. Entries below the current language folder are dropped
// as soon as AppState::resourceFolder changes, so a language change shows the
// new language's pictures and the old ones do not stay in memory.
//
// A picture that cannot be read is not drawn (callers get a null pixmap), but
// one line naming it goes to the warning sink (standard error unless a test
// sets its own), once per path, so a broken installation is visible.
//
// User-interface thread only (pixmaps belong to that thread).

#include <QHash>
#include <QPixmap>
#include <QSet>
#include <QString>

#include <functional>

#include "profile/AppState.h"

namespace ostrel {

class PictureCache {
 public:
  using WarningSink = std::function<void(const QString& line)>;

  // root: the folder that holds res/; relative picture paths start there.
  PictureCache(QString root, const AppState& state);

  // path relative to the root ("res/Tick-On.png", "res/English/Screen1/x.png")
  // or absolute. An empty path means "no picture": null, and no warning.
  QPixmap picture(const QString& path);

  // name inside the current language folder ("Screen8/ok.png").
  QPixmap languagePicture(const QString& name);

  // The file a path stands for, as the cache keys it.
  QString resolve(const QString& path) const;

  void setWarningSink(WarningSink sink);

 private:
  void followLanguage();

  QString root_;
  const AppState& state_;
  std::string languageFolder_;
  QHash<QString, QPixmap> pictures_;
  QSet<QString> reported_;
  WarningSink warn_;
};

}  // namespace ostrel
