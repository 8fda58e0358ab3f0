#pragma once
// The user's and the maker's profile lists and the controller list beside
// the home screen, on the home screen's fixture (a real link to the simulated
// pad, a library in a temporary folder). The host holds all of them, so
// leading home refreshes the home screen.

#include <QPoint>

#include <memory>
#include <string>
#include <vector>

#include "HomeScreenFixture.h"
#include "screens/PadProfilesList.h"
#include "screens/MakerProfilesList.h"
#include "screens/MyProfilesList.h"

namespace ostrel::testing {

class ProfileListTest : public HomeScreenTest {
 public:
  // Which list a case works on.
  enum Which { kMine, kMaker };

 protected:
  void SetUp() override;
  void TearDown() override;

  ProfileListScreen& list(Which which);

  // Opens a screen as the home screen's buttons do.
  void open(ProfileListScreen& screen);
  // The rows' texts, top to bottom.
  static std::vector<std::string> rows(ProfileListScreen& screen);
  // The centre of the row showing text, in the list's viewport.
  static QPoint rowCentre(ProfileListScreen& screen, const std::string& text);
  // A person's click and double click in the list's viewport.
  static void clickAt(ProfileListScreen& screen, QPoint place);
  static void doubleClickAt(ProfileListScreen& screen, QPoint place);
  // A key pressed and let go on the list.
  static void press(ProfileListScreen& screen, int key, const QString& text = {});

  // A user profile, or a maker one (name with the maker prefix), whose
  // shortcut value (165) is off.
  void makeProfile(const std::string& name, float off);
  // Myprofile/Profile.klt, line by line.
  std::vector<std::string> slotList() const;
  // Gives slot index the profile, as if it had been loaded and activated.
  void useInSlot(int index, const std::string& name, uint8_t off);

  std::unique_ptr<MyProfilesList> myList;
  std::unique_ptr<MakerProfilesList> makerList;
  std::unique_ptr<PadProfilesList> padList;
};

}  // namespace ostrel::testing
