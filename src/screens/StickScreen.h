#pragma once
// The stick settings screen: the static and dynamic dead zones with the
// latency and activation threshold, the two sensitivities and the widths of
// the three travel zones of the current slot, with the response curve and the
// dead-zone circles drawn from what the controls show and a help picture for
// the setting under the pointer. It edits the slot's edit values, writes the
// profile file only on save, and sends nothing to the pad.
//
// User-interface thread only.

#include <QTimer>
#include <QWidget>

#include <array>
#include <memory>
#include <string>

#include "screens/LoadedSlot.h"
#include "screens/ProfileScreen.h"
#include "screens/ScreenContext.h"
#include "screens/StickZones.h"

class QLabel;

namespace ostrel {

class PictureComboBox;
class ChosenButtons;
class ScreenButtons;
class StickField;

class StickScreen : public QWidget, public ProfileScreen {
  Q_OBJECT

 public:
  // Control ids (each control's objectName is its id).
  enum Control : int {
    kHome = 1116, kZoneReset = 1117, kSave = 1118, kDeadZoneReset = 1135,
    kProfile1Tab = 1137, kProfile2Tab = 1136, kProfile3Tab = 1138, kProfile4Tab = 1139,
    kGeneralTab = 1140, kSmallLock = 1119, kMediumLock = 1120, kBigLock = 1121,
    kSmallLabel = 1152, kMediumLabel = 1153, kBigLabel = 1154,
    kSmallUpDown = 1147, kMediumUpDown = 1148, kBigUpDown = 1149,
    kStaticField = 1155, kStaticUpDown = 1156, kDynamicField = 1157, kDynamicUpDown = 1158,
    kLatencyList = 1160, kThresholdList = 1161, kSensitivity1 = 1159, kSensitivity1UpDown = 1162,
    kSensitivity2 = 1163, kSensitivity2UpDown = 1164, kNameLabel = 1176, kFirstHelpPoint = 1122,
  };
  static constexpr int kHelpPoints = 13;
  static constexpr int kTimerInterval = 10;  // ms
  static constexpr QRect kHelpArea{473, 350, 483, 164};
  static constexpr QRect kDragArea{565, 156, 608, 110};

  explicit StickScreen(const ScreenContext& context, QWidget* parent = nullptr);
  ~StickScreen() override;

  // ProfileScreen.
  void loadSlot() override { loadStickScreen(); }
  bool collectChanges() override { return applyStickScreen(); }
  void followSlot() override;
  void resetToDefaults() override;
  void reloadPictures() override;

  // The current slot's tab, name and edit values into the controls.
  void loadStickScreen();
  // The controls into the slot's edit values (and those of the slots of the
  // same name); true when a value now differs from the saved one.
  bool applyStickScreen();
  // The controls and the zone coefficients into the slot's profile file and
  // both tables (the save button, and the save prompt's Yes for this screen).
  void saveStickScreen();
  // The dead-zone group (dead zones, latency, threshold, sensitivities) and
  // the zone widths back to the defaults, as unsaved edits.
  void resetDeadZones();
  void resetZones();

  // Navigation: the home button, slot tabs 1 to 4, the general tab.
  void goHome();
  void selectSlot(int slot);
  void openGeneralSettings();

  // The zone buttons: lock of a zone, an up-down arrow (+1 or -1).
  void lockZone(int zone);
  void stepZone(int zone, int delta);

  // One tick of the 10 ms timer: the two lists follow the dynamic dead zone.
  void tick();

  const StickZones& zones() const { return zones_; }
  bool helpShown(int point) const { return hover_.at(static_cast<std::size_t>(point - 1)); }
  bool dragging() const { return dragging_; }
  bool rejectsNextChange() const { return rejectNext_; }
  const QTimer& timer() const { return timer_; }

 protected:
  void paintEvent(QPaintEvent* event) override;
  void showEvent(QShowEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void leaveEvent(QEvent* event) override;

 private:
  void buildButtons();
  void buildLabels();
  void buildFields();
  void buildLists();
  void connectCommands();
  void showZones();
  void showWidthLabels();
  void showWidths(const StickZones::Widths& widths);
  void dragAt(QPoint place);
  void followHelp(QPoint place);
  void setListsEnabled(bool enabled);
  void copyToSameNamed();
  // Each control's profile index and the value it shows.
  ControlValues controlValues() const;
  // The controls now show the slot's edit values.
  void remember();
  // Before a reset of some controls: what the others show is stored, or,
  // when they show another profile, they are filled from the slot.
  void settle();
  // The items chosen in the two lists, as stored.
  int chosenLatencyMs() const;
  float chosenThreshold() const;
  int slotIndex() const;
  std::string slotName() const;

  ScreenContext context_;
  std::unique_ptr<ScreenButtons> buttons_;
  ChosenButtons* tabs_ = nullptr;
  ChosenButtons* locks_ = nullptr;
  QLabel* nameLabel_ = nullptr;
  std::array<QLabel*, StickZones::kCount> widthLabels_{};
  StickField* staticField_ = nullptr;
  StickField* dynamicField_ = nullptr;
  std::array<StickField*, 2> sensitivities_{};
  PictureComboBox* latencyList_ = nullptr;
  PictureComboBox* thresholdList_ = nullptr;
  std::array<QWidget*, kHelpPoints> helpPoints_{};
  std::array<bool, kHelpPoints> hover_{};
  StickZones zones_;
  LoadedSlot loaded_;
  QTimer timer_;
  bool dragging_ = false;
  bool rejectNext_ = false;
  int listsEnabled_ = -1;  // unknown until the first tick
};

}  // namespace ostrel
