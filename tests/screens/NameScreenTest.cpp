// The profile name screen opened from the home screen: cleaning the typed
// name, the name rules with their warnings, a new profile, a rename of a
// profile two slots share, Cancel and the swallowed keys.

#include <QLineEdit>
#include <QTest>

#include "HomeScreenFixture.h"
#include "profile/ProfileRecord.h"
#include "screens/NameScreen.h"

namespace ostrel::testing {
namespace {

using Names = NameScreen;

class NameScreenTest : public HomeScreenTest {
 protected:
  void SetUp() override {
    HomeScreenTest::SetUp();
    if (HasFatalFailure()) return;
    names = std::make_unique<Names>(
        ScreenContext{app, library, *link, *pictures, *host, QStringLiteral(OSTREL_TEST_RES_ROOT)});
    host->screens = {{kHomeScreen, home.get()}, {kSaveNameScreen, names.get()}};
  }
  void TearDown() override {
    names.reset();
    HomeScreenTest::TearDown();
  }

  // Opens the screen as the home screen's New or Rename button does.
  void open(bool rename) {
    home->show();
    home->openNameDialog(rename);
    names->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(names.get()));
  }
  QLineEdit* box() const { return names->findChild<QLineEdit*>(QString::number(Names::kNameBox)); }
  // Replaces the box's text, as a paste does (typing goes through keyClicks).
  void retype(const QString& text) {
    box()->selectAll();
    box()->insert(text);
  }
  void press(int id) {
    QWidget* button = names->findChild<QWidget*>(QString::number(id));
    ASSERT_NE(button, nullptr);
    QTest::mouseClick(button, Qt::LeftButton, {}, button->rect().center());
  }
  // Line slot of the slot list, as a fresh reader of the folder sees it.
  std::string slotListLine(int slot) const {
    ProfileLibrary reader;
    reader.basePath = library.basePath;
    return reader.getSlotName(slot);
  }
  bool hasProfile(const std::string& name) const { return fs::exists(root / "Myprofile" / (name + ".klt")); }
  void useProfile(int slot, const std::string& name) {
    app.slotNames[static_cast<std::size_t>(slot)] = name;
    ASSERT_TRUE(library.assignSlot(slot, name));
    ASSERT_TRUE(library.loadProfileIntoSlot(slot, name));
  }
  QImage warningArea() { return names->grab(Names::kWarningArea).toImage(); }

  std::unique_ptr<Names> names;
};

TEST_F(NameScreenTest, TypedSpacesBecomeUnderscoresAndANameStopsAtTwentyCharacters) {
  open(false);
  QTest::keyClicks(box(), "my profile");
  EXPECT_EQ(box()->text(), "my_profile");
  QTest::keyClicks(box(), " abcdefghij");  // the 21st character is refused
  EXPECT_EQ(box()->text(), "my_profile_abcdefghi");
  EXPECT_EQ(box()->cursorPosition(), 20);
  box()->setText(QString(25, QLatin1Char('x')));  // a paste that does not fit
  EXPECT_EQ(box()->text(), "my_profile_abcdefghi");
}

struct RuleCase {
  const char* typed;      // UTF-8
  int warning;            // after Save
  const char* file;       // the profile file made (Windows-1252 bytes), or null
};

TEST_F(NameScreenTest, SaveMakesTheProfileOnlyForAnAllowedFreeName) {
  const RuleCase cases[] = {
      {"my profile", Names::kNoWarning, "my_profile"},
      {"KELTO", Names::kNoWarning, "KELTO"},
      {"Caf\xC3\xA9 \xE2\x82\xAC", Names::kNoWarning, "Caf\xE9_\x80"},
      {"", Names::kNameNotAllowed, nullptr},
      {"a*b", Names::kNameNotAllowed, nullptr},
      {"a:b", Names::kNameNotAllowed, nullptr},
      {"a\"b", Names::kNameNotAllowed, nullptr},
      {"a?b", Names::kNameNotAllowed, nullptr},
      {"a>b", Names::kNameNotAllowed, nullptr},
      {"a<b", Names::kNameNotAllowed, nullptr},
      {"a|b", Names::kNameNotAllowed, nullptr},
      {"a/b", Names::kNameNotAllowed, nullptr},
      {"a\\b", Names::kNameNotAllowed, nullptr},
      {"..", Names::kNameNotAllowed, nullptr},
      {"kelto-mine", Names::kNameNotAllowed, nullptr},
      {"Kelto", Names::kNameNotAllowed, nullptr},
      {"\xCE\xA9mega", Names::kNameNotAllowed, nullptr},  // no Windows-1252 byte
      {"Default", Names::kNameTaken, nullptr},
  };
  for (const RuleCase& c : cases) {
    SCOPED_TRACE(c.typed);
    app.slotNames[0] = "Default";
    const auto before = fs::directory_iterator(root / "Myprofile");
    const auto filesBefore = std::distance(fs::begin(before), fs::end(before));
    open(false);
    retype(QString::fromUtf8(c.typed));
    host->shown.clear();
    press(Names::kSave);
    EXPECT_EQ(names->warning(), c.warning);
    const auto after = fs::directory_iterator(root / "Myprofile");
    const auto filesAfter = std::distance(fs::begin(after), fs::end(after));
    if (c.file) {
      EXPECT_TRUE(hasProfile(c.file));
      EXPECT_EQ(app.slotNames[0], c.file);
      EXPECT_EQ(host->shown, std::vector<int32_t>{kHomeScreen});
    } else {
      EXPECT_EQ(filesAfter, filesBefore);
      EXPECT_EQ(app.slotNames[0], "Default");
      EXPECT_TRUE(host->shown.empty());
    }
  }
}

TEST_F(NameScreenTest, ANewProfileGivesTheSlotTheDefaultsButLeavesTheSlotListAlone) {
  home->selectSlot(2);
  useProfile(1, "Default");
  library.editValues[1][ProfileIndex::sensitivity1] = 9.0f;
  app.slotOff[1] = app.savedSlotOff[1] = 1;
  open(false);
  retype("Fresh");
  press(Names::kSave);
  EXPECT_EQ(app.slotNames[1], "Fresh");
  EXPECT_EQ(home->nameLabelBytes(), "Fresh");
  for (std::size_t i = 0; i < kProfileSize; ++i) {
    EXPECT_FLOAT_EQ(library.editValues[1][i], defaultProfile[i]) << i;
    EXPECT_FLOAT_EQ(library.savedValues[1][i], defaultProfile[i]) << i;
  }
  EXPECT_EQ(app.slotOff[1], 0);
  EXPECT_EQ(app.savedSlotOff[1], 0);
  EXPECT_EQ(slotListLine(1), "Default");
  EXPECT_EQ(host->shown.back(), kHomeScreen);
  EXPECT_FALSE(names->isVisible());
}

TEST_F(NameScreenTest, ARenameCarriesEverySlotOfTheProfileOverAndKeepsTheOldFile) {
  ASSERT_TRUE(library.createProfile("Racing"));
  ASSERT_TRUE(library.setProfileValue(0, "Racing", ProfileIndex::staticDeadZone, "0.500000"));
  useProfile(0, "Racing");
  useProfile(1, "Default");
  useProfile(2, "Racing");
  app.slotOff[0] = app.savedSlotOff[0] = 1;
  open(true);
  EXPECT_TRUE(names->renaming());
  EXPECT_EQ(box()->text(), "Racing");
  EXPECT_EQ(box()->cursorPosition(), 6);

  retype("Default");  // taken: nothing changes
  press(Names::kSave);
  EXPECT_EQ(names->warning(), Names::kNameTaken);
  EXPECT_EQ(app.slotNames[0], "Racing");

  retype("Fast Lane");
  press(Names::kSave);
  for (int slot : {0, 2}) {
    SCOPED_TRACE(slot);
    EXPECT_EQ(app.slotNames[static_cast<std::size_t>(slot)], "Fast_Lane");
    EXPECT_EQ(slotListLine(slot), "Fast_Lane");
    EXPECT_FLOAT_EQ(library.editValues[static_cast<std::size_t>(slot)][ProfileIndex::staticDeadZone], 0.5f);
  }
  EXPECT_EQ(app.slotNames[1], "Default");
  EXPECT_EQ(slotListLine(1), "Default");
  EXPECT_TRUE(hasProfile("Racing"));
  EXPECT_TRUE(hasProfile("Fast_Lane"));
  EXPECT_EQ(app.slotOff[0], 0);
  EXPECT_EQ(app.savedSlotOff[0], 0);
  EXPECT_EQ(home->nameLabelBytes(), "Fast_Lane");
  EXPECT_EQ(host->shown.back(), kHomeScreen);
}

TEST_F(NameScreenTest, OpeningAgainForgetsWhatWasTypedAndTheWarning) {
  open(false);
  const QImage clear = warningArea();
  retype("a*b");
  press(Names::kSave);
  ASSERT_EQ(names->warning(), Names::kNameNotAllowed);
  EXPECT_NE(warningArea(), clear);
  QTest::keyClicks(box(), "c");  // any change of the text takes the warning away
  EXPECT_EQ(names->warning(), Names::kNoWarning);
  EXPECT_EQ(warningArea(), clear);

  press(Names::kSave);
  host->shown.clear();
  press(Names::kCancel);
  EXPECT_EQ(host->shown, std::vector<int32_t>{kHomeScreen});
  EXPECT_EQ(app.slotNames[0], "Default");

  open(false);
  EXPECT_EQ(box()->text(), "");
  EXPECT_EQ(names->warning(), Names::kNoWarning);
  EXPECT_FALSE(names->renaming());
}

TEST_F(NameScreenTest, EnterEscapeTabAndF1NeitherSaveNorLeave) {
  open(false);
  retype("Keys");
  box()->setFocus();
  host->shown.clear();
  const std::pair<Qt::Key, Qt::KeyboardModifiers> keys[] = {
      {Qt::Key_Return, {}}, {Qt::Key_Enter, {}}, {Qt::Key_Escape, {}},
      {Qt::Key_Tab, {}},    {Qt::Key_F1, {}},    {Qt::Key_F4, Qt::AltModifier}};
  for (const auto& [key, modifiers] : keys) {
    QTest::keyClick(box(), key, modifiers);
    EXPECT_TRUE(names->isVisible()) << key;
  }
  EXPECT_EQ(box()->text(), "Keys");
  EXPECT_FALSE(hasProfile("Keys"));
  EXPECT_TRUE(host->shown.empty());
  EXPECT_TRUE(box()->hasFocus());
}

}  // namespace
}  // namespace ostrel::testing
