#pragma once
// What a painter gets: the picture to make, the language of its folder (or -1
// for the shared res/ folder), that language's texts and the text fitter.

#include <QImage>
#include <functional>

#include "Texts.h"
#include "TextFitter.h"
#include "pictures/PictureCatalog.h"

namespace ostrel {

struct PaintContext {
  const PictureEntry& entry;
  int language;  // 0..6, or -1 in res/ itself
  const Texts& texts;
  TextFitter& fitter;

  QString tr(const char* key) const { return texts(QString::fromLatin1(key)); }
};

// Draws one picture at its file size (PictureEntry::fileWidth x height).
using Painter = std::function<QImage(const PaintContext&)>;

}  // namespace ostrel
