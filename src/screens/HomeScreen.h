#pragma once
// The profile home screen: the slot tabs, the selected slot's name, its two
// cursor sensitivities and shortcut-paddle switch, save, reset, activation of
// the four slots on the pad, the doors to the profile libraries and editors,
// the maker's web site and quit.
//
// User-interface thread only. The screen works on AppState and the library
// of its context and asks its host for everything beyond itself.

#include <QTimer>
#include <QWidget>

#include <array>
#include <map>
#include <string>

#include "screens/LoadedSlot.h"
#include "screens/ProfileScreen.h"
#include "screens/ScreenContext.h"

class QLabel;
class QLineEdit;

namespace ostrel {

class ChosenButtons;
class ImageButton;
class SensitivityField;

class HomeScreen : public QWidget, public ProfileScreen {
  Q_OBJECT

 public:
  // Control ids (each control's objectName is its id).
  enum Control : int {
    kProfile1Tab = 1088, kProfile2Tab = 1043, kProfile3Tab = 1232, kProfile4Tab = 1044,
    kGeneralTab = 1045, kControllerProfiles = 1090, kMyProfiles = 1093,
    kDownloadProfiles = 1092, kMakerProfiles = 1091, kNew = 1094, kRename = 1108,
    kResetUpper = 1095, kSaveUpper = 1097, kOn = 1098, kOff = 1099, kResetLower = 1100,
    kSaveLower = 1101, kActivate = 1102, kWebSite = 1103, kAim = 1105, kKey = 1104,
    kQuit = 1106, kQuitHidden = 1107, kNameLabel = 1170, kSensitivity1 = 1161,
    kSensitivity2 = 1165, kSpinner1 = 1166, kSpinner2 = 1167,
  };
  static constexpr int kTimerInterval = 100;  // ms
  static constexpr int kNoticeTicks = 30;
  static constexpr QRect kNoticeArea{473, 255, 483, 159};

  HomeScreen(const ScreenContext& context, QWidget* parent = nullptr);
  ~HomeScreen() override;

  // ProfileScreen: refresh for currentSlot (name, fields, switch).
  void loadSlot() override;
  // The change check: fields into the slot's edit values; true when the slot
  // differs from what is saved (values, switch or name).
  bool collectChanges() override;
  void followSlot() override;

  // Slot selection (tab 1 to 4) and the general-settings tab.
  void selectSlot(int slot);
  void openGeneralSettings();
  // The commands of the buttons, callable directly.
  void switchShortcuts(bool off);
  void saveSlot();
  void resetSlot();
  void resetEditors();
  // Writes the four slots to the pad; false (and a message on the screen)
  // when the link could not send them all.
  bool activate();
  void openWebSite();
  void quit();
  // Opens the name dialog for a new profile (rename false) or a rename.
  void openNameDialog(bool rename);

  // One tick of the 100 ms timer (the stored-profiles notice's lifetime).
  void tick();

  // 0 new, 1 rename: what the name dialog was opened for.
  int newRenameFlag() const { return newRename_; }
  int selectedTab() const { return selectedTab_; }
  bool showsNotStored() const { return notStored_; }
  const QTimer& timer() const { return timer_; }
  // The name label's text as the pad and the library spell it.
  std::string nameLabelBytes() const;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void showEvent(QShowEvent* event) override;
  void hideEvent(QHideEvent* event) override;

 private:
  ImageButton* addButton(int id, const char* picture, QPoint place);
  void buildButtons();
  void loadPictures();
  void buildFields();
  void connectCommands();
  void fillFields();
  void storeFields();
  ControlValues fieldValues() const;
  void showSwitch();
  void switchSameNamedSlots(int slotIndex, uint8_t off, bool saved);
  void openLibraryScreen(int32_t screen);
  void openEditor(int32_t screen, int32_t saveReason, int32_t page);
  int slotIndex() const;

  ScreenContext context_;
  std::map<int, ImageButton*> buttons_;
  std::map<ImageButton*, QString> pictureNames_;
  std::string picturesFolder_;
  ChosenButtons* tabs_ = nullptr;
  ChosenButtons* onOff_ = nullptr;
  QLabel* nameLabel_ = nullptr;
  std::array<QLineEdit*, 8> fields_{};
  LoadedSlot loaded_;
  QTimer timer_;
  int selectedTab_ = 1;
  int noticeTicks_ = 0;
  int newRename_ = 0;
  bool noticeShown_ = false;
  bool notStored_ = false;
};

}  // namespace ostrel
