// The profile lists in the real container: the home screen's doors to them,
// a double click that loads into the slot, and Cancel back home.
#include <QLabel>
#include <QListWidget>
#include <QTest>

#include <gtest/gtest.h>

#include "AppHarness.h"
#include "library/ValueText.h"
#include "library/ProfileLibrary.h"
#include "profile/ProfileRecord.h"
#include "screens/HomeScreen.h"
#include "screens/PadProfilesList.h"
#include "screens/MakerProfilesList.h"
#include "screens/MyProfilesList.h"

namespace ostrel::test {
namespace {

using Home = HomeScreen;

struct ListWiring : ::testing::Test, AppHarness {
  void SetUp() override {
    ASSERT_TRUE(start());
    plug();
    click(window(), MainWindow::kNextId);
    ASSERT_NE(window().container(), nullptr);
  }
  QWidget& page(int32_t screen) { return *container().page(screen); }
  bool shows(int32_t screen) {
    for (int32_t other = 1; other <= ProfileContainer::kScreenCount; ++other) {
      QWidget* widget = container().page(other);
      if (widget && widget->isVisible() != (other == screen)) return false;
    }
    return state().ScreenId == screen;
  }
};

TEST_F(ListWiring, TheHomeScreensDoorsOpenTheListsAndEachLeadsBack) {
  ProfileLibrary other;
  other.basePath = app().library().basePath;
  ASSERT_TRUE(other.createProfile("Paddles"));
  ASSERT_TRUE(other.setProfileValue(0, "Paddles", ProfileIndex::shortcutsOff, formatValue(1.0f)));
  state().savedSlotNames[2] = "On the pad";

  click(page(kHomeScreen), Home::kMyProfiles);
  ASSERT_TRUE(shows(kNameListScreen));
  auto* list = control<QListWidget>(page(kNameListScreen), MyProfilesList::kList);
  ASSERT_NE(list, nullptr);
  const auto found = list->findItems(QStringLiteral("Paddles"), Qt::MatchExactly);
  ASSERT_EQ(found.size(), 1);
  const QPoint row = list->visualItemRect(found.front()).center();
  QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, row);
  QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, row);
  EXPECT_TRUE(shows(kHomeScreen));
  EXPECT_EQ(state().slotNames[0], "Paddles");
  EXPECT_EQ(state().slotOff[0], 1);
  EXPECT_EQ(control<QLabel>(page(kHomeScreen), Home::kNameLabel)->text(), QStringLiteral("Paddles"));

  click(page(kHomeScreen), Home::kMakerProfiles);
  ASSERT_TRUE(shows(kMakerListScreen));
  click(page(kMakerListScreen), MakerProfilesList::kCancel);
  EXPECT_TRUE(shows(kHomeScreen));

  click(page(kHomeScreen), Home::kControllerProfiles);
  ASSERT_TRUE(shows(kControllerListScreen));
  EXPECT_EQ(control<QLabel>(page(kControllerListScreen), PadProfilesList::kSlot3Name)->text(),
            QStringLiteral("On the pad"));
  click(page(kControllerListScreen), PadProfilesList::kCancel);
  EXPECT_TRUE(shows(kHomeScreen));
}

}  // namespace
}  // namespace ostrel::test
