// The controller list: the names the pad holds, not those being edited.

#include <QAbstractButton>
#include <QLabel>
#include <QTest>

#include "ProfileListFixture.h"

namespace ostrel::testing {
namespace {

TEST_F(ProfileListTest, TheControllerListShowsThePadsNamesTopToBottom) {
  app.savedSlotNames = {"Alpha", "", "Caf\xE9", "Delta"};
  app.slotNames = {"Edited", "Other", "Third", "Fourth"};
  home->hide();
  padList->loadSlot();
  padList->show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(padList.get()));
  const std::pair<int, QString> shown[] = {
      {1180, QStringLiteral("Alpha")}, {1171, QString()},
      {1172, QStringLiteral("Caf\u00E9")}, {1173, QStringLiteral("Delta")}};
  int previousTop = -1;
  for (const auto& [id, text] : shown) {
    auto* label = padList->findChild<QLabel*>(QString::number(id));
    ASSERT_NE(label, nullptr) << id;
    EXPECT_EQ(label->text(), text) << id;
    EXPECT_GT(label->y(), previousTop) << id;
    previousTop = label->y();
  }
  EXPECT_EQ(app.ScreenId, kControllerListScreen);

  QTest::mouseClick(padList->findChild<QAbstractButton*>("1175"), Qt::LeftButton);
  EXPECT_EQ(host->shown, std::vector<int32_t>{kHomeScreen});
  EXPECT_FALSE(padList->isVisible());
  EXPECT_EQ(app.slotNames[0], "Edited");
  EXPECT_TRUE(missingPictures.isEmpty()) << missingPictures.join(' ').toStdString();
}

}  // namespace
}  // namespace ostrel::testing
