// Fitting texts into boxes, and the text files every language reads.

#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QImage>
#include <QPainter>

#include "PictureSet.h"
#include "TextFitter.h"
#include "Texts.h"
#include "profile/AppState.h"

namespace ostrel {
namespace {

class TextFitterTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    static int argc = 1;
    static char name[] = "assets_tests";
    static char* argv[] = {name, nullptr};
    if (!QGuiApplication::instance()) app_ = new QGuiApplication(argc, argv);
  }
  static QGuiApplication* app_;
  QImage image_{400, 200, QImage::Format_ARGB32_Premultiplied};
};
QGuiApplication* TextFitterTest::app_ = nullptr;

TEST_F(TextFitterTest, FitsByShrinkingAndWrapping) {
  struct Case {
    QRectF box;
    const char* text;
    TextStyle style;
    bool fits;
  };
  const Case cases[] = {
      {{0, 0, 200, 30}, "Save", {20}, true},
      {{0, 0, 90, 30}, "Enregistrer", {20}, true},  // shrinks
      {{0, 0, 30, 20}, "Enregistrer les modifications", {20}, false},
      {{0, 0, 150, 60}, "Do you really want to quit now?", {18, false, Qt::white, Qt::AlignLeft, true}, true},
      {{0, 0, 150, 60}, "Do you really want to quit now?", {18}, false},  // one line only
      {{0, 0, 40, 200}, "Unbreakablewordthatistoolong", {18, false, Qt::white, Qt::AlignLeft, true}, false},
      {{0, 0, 200, 40}, "One\nTwo", {18}, true},
      {{0, 0, 200, 30}, "One\nTwo\nThree", {18}, false},
  };
  for (const Case& c : cases) {
    TextFitter fitter;
    fitter.setContext("test");
    QPainter p(&image_);
    EXPECT_EQ(fitter.draw(p, c.box, c.text, c.style), c.fits) << c.text;
    EXPECT_EQ(fitter.failures().size(), c.fits ? 0 : 1) << c.text;
  }
}

TEST_F(TextFitterTest, ShrinksNoFurtherThanNeeded) {
  const QRectF box(0, 0, 300, 40);
  EXPECT_EQ(TextFitter::fittingSize(box, "Short", {24}), 24);
  const int shrunk = TextFitter::fittingSize(QRectF(0, 0, 90, 40), "Réinitialiser", {24});
  EXPECT_GT(shrunk, 0);
  EXPECT_LT(shrunk, 24);
}

TEST_F(TextFitterTest, MissingTextsAreReported) {
  Texts texts;
  texts.insert("button.save", "Save");
  EXPECT_EQ(texts("button.save"), "Save");
  EXPECT_TRUE(texts.failures().isEmpty());
  EXPECT_TRUE(texts("button.load").isEmpty());
  ASSERT_EQ(texts.failures().size(), 1);
  EXPECT_TRUE(texts.failures().front().contains("button.load"));
}

// Every language file holds only keys English has, and English has them all.
TEST_F(TextFitterTest, LanguageFilesUseTheEnglishKeys) {
  Texts english;
  ASSERT_TRUE(english.load(QString(OSTREL_TEXTS_DIR) + "/English.txt"));
  for (int language = 1; language < kLanguageCount; ++language) {
    Texts texts;
    ASSERT_TRUE(texts.load(QString(OSTREL_TEXTS_DIR) + "/" + languageName(language) + ".txt"))
        << languageName(language).toStdString();
    for (const QString& key : texts.keys())
      EXPECT_TRUE(english.has(key)) << languageName(language).toStdString() << ": " << key.toStdString();
    for (const QString& key : english.keys()) {
      const bool keyPictureText = key.startsWith("key.") || key.startsWith("mouse.");
      if (keyPictureText) continue;  // only the four keyboard layouts' folders need them
      EXPECT_TRUE(texts.has(key)) << languageName(language).toStdString() << ": " << key.toStdString();
    }
  }
}

TEST_F(TextFitterTest, EveryCatalogPictureHasAPainter) {
  const PictureSet set = PictureSet::standard();
  for (const PictureEntry& entry : pictureCatalog()) EXPECT_TRUE(set.has(entry.name)) << entry.name;
}

}  // namespace
}  // namespace ostrel
