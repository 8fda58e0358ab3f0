#pragma once
// The button mapping screen: a grid of 24 cells, one per assignable pad
// control of the current slot. The user selects a cell and presses the key,
// clicks the mouse button or turns the wheel the control shall produce; the
// shortcut paddles are switched on or off. Keys are kept as Windows virtual-key
// codes (VK) and stored as the pad's codes through the layout in force.
//
// User-interface thread only. The screen works on AppState and the library of
// its context and asks its host for everything beyond itself.

#include <QWidget>

#include <array>
#include <memory>

#include "screens/ButtonCells.h"
#include "screens/ButtonKeyRule.h"
#include "screens/LoadedSlot.h"
#include "screens/ProfileScreen.h"
#include "screens/ScreenButtons.h"
#include "screens/ScreenContext.h"

class QLabel;

namespace ostrel {

class ChosenButtons;

class ButtonScreen : public QWidget, public ProfileScreen {
  Q_OBJECT

 public:
  // Control ids (each control's objectName is its id).
  enum Control : int {
    kHome = 1097, kReset = 1099, kSave = 1098, kProfile1Tab = 1124, kProfile2Tab = 1125,
    kProfile3Tab = 1126, kProfile4Tab = 1127, kGeneralTab = 1128, kOn = 1100, kOff = 1101,
    kNameLabel = 1177,
  };
  static constexpr QRect kControlPictureArea{72, 166, 1208, 437};
  static constexpr QRect kLayoutIndicatorArea{190, 131, 86, 18};

  ButtonScreen(const ScreenContext& context, QWidget* parent = nullptr);
  ~ButtonScreen() override;

  // ProfileScreen: loadButtonScreen, applyButtonScreen, resetButtonScreen.
  void loadSlot() override;
  bool collectChanges() override;
  void followSlot() override;
  void resetToDefaults() override;
  void reloadPictures() override;
  // Codes and the shortcut switch into the profile file and both tables
  // (the save button, and the save prompt's Yes for this screen).
  void saveButtonScreen();

  // The buttons' commands, callable directly.
  void switchShortcuts(bool off);
  void goHome();
  void selectSlot(int slot);
  void openGeneralSettings();

  int selection() const { return selection_; }
  // The VK shown in a cell (0 for none).
  int cellKey(int cell) const { return cellKeys_.at(static_cast<std::size_t>(cell)); }

 protected:
  void paintEvent(QPaintEvent* event) override;
  void showEvent(QShowEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void wheelEvent(QWheelEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void buildControls();
  void connectCommands();
  int slotIndex() const;
  int layout() const;
  bool paddlesOff() const;
  void select(int cell);
  void assign(int vk);
  void showSwitch();
  void copyToSameNamedSlots(int index);
  // Each cell's code as the layout in force stores it.
  ControlValues cellValues() const;
  void paintCells(QPainter& painter);
  void paintKey(QPainter& painter, int cell);

  ScreenContext context_;
  ScreenButtons buttons_;
  ChosenButtons* tabs_ = nullptr;
  ChosenButtons* onOff_ = nullptr;
  QLabel* nameLabel_ = nullptr;
  ButtonKeyRule keyRule_;
  std::array<int, kButtonCellCount> cellKeys_{};
  LoadedSlot loaded_;
  int selection_ = 0;
};

}  // namespace ostrel
