#pragma once
// What the user's and the maker's profile lists share: the names of one
// library folder, sorted; a double click puts the selected profile into the
// current slot; a delete prompt (Yes, No) removes the selected profile, and
// every slot that used it gets "Default"; Cancel shows the home screen.
// The two lists differ only in what ProfileListLook gives.
//
// Opening the screen (loadSlot) fills the list afresh; the home screen has
// rebuilt the folder's index just before. User-interface thread only.

#include <QRect>
#include <QWidget>

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "library/ProfileLibrary.h"
#include "screens/ProfileScreen.h"
#include "screens/ScreenButtons.h"
#include "screens/ScreenContext.h"

namespace ostrel {

class PlainList;

struct ProfileListLook {
  int32_t screenNumber;
  const char* background;
  int listId, cancelId, yesId, noId;
  // The folder's index and the names it gave.
  bool (ProfileLibrary::*loadNames)();
  std::array<std::string, kNameCapacity> ProfileLibrary::*names;
  int32_t ProfileLibrary::*count;
  // Keys swallowed besides those of every screen and code 0x70.
  std::vector<int> swallowedKeys;
  // Keys that open the delete prompt.
  std::vector<int> promptKeys;
  // Whether a double click still loads while the delete prompt is shown.
  bool loadsDuringPrompt;
};

class ProfileListScreen : public QWidget, public ProfileScreen {
  Q_OBJECT

 public:
  // Where the delete prompt's picture lies.
  static constexpr QRect kPromptArea{422, 582, 502, 48};
  static constexpr const char* kDefaultName = "Default";

  ~ProfileListScreen() override;

  // ProfileScreen: the screen is opened; fill the list.
  void loadSlot() override { fill(); }
  void reloadPictures() override;

  // The commands, callable directly.
  void fill();
  void loadSelected();
  void openDeletePrompt();
  void deleteSelected();
  void closeDeletePrompt();
  void showHome();

  bool deletePromptShown() const { return deletePrompt_; }
  PlainList* list() const { return list_; }
  // The selected row's profile name, as the library spells it.
  std::optional<std::string> selectedName() const;

 protected:
  ProfileListScreen(const ScreenContext& context, ProfileListLook look, QWidget* parent);

  void paintEvent(QPaintEvent* event) override;
  void showEvent(QShowEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void buildControls();
  void addName(const std::string& name);
  void setPromptShown(bool shown);
  void giveDefaultToSlotsOf(const std::string& name);
  int slotIndex() const;

  ScreenContext context_;
  ProfileListLook look_;
  ScreenButtons buttons_;
  PlainList* list_ = nullptr;
  bool deletePrompt_ = false;
};

}  // namespace ostrel
