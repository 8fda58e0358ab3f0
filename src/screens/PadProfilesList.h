#pragma once
// The names of the four profiles stored on the pad, as the pad last reported
// or last received them (savedSlotNames), one per line. Only displays: it
// changes no slot and no file. Cancel shows the home screen.
//
// User-interface thread only.

#include <QWidget>

#include <array>

#include "screens/ProfileScreen.h"
#include "screens/ScreenButtons.h"
#include "screens/ScreenContext.h"

class QLabel;

namespace ostrel {

class PadProfilesList : public QWidget, public ProfileScreen {
  Q_OBJECT

 public:
  // Control ids (each control's objectName is its id); the names top to bottom.
  enum Control : int {
    kCancel = 1175, kSlot1Name = 1180, kSlot2Name = 1171, kSlot3Name = 1172, kSlot4Name = 1173,
  };

  explicit PadProfilesList(const ScreenContext& context, QWidget* parent = nullptr);
  ~PadProfilesList() override;

  // ProfileScreen: the screen is opened; show the pad's names.
  void loadSlot() override;
  void reloadPictures() override;

  void showHome();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void showEvent(QShowEvent* event) override;

 private:
  void buildNames();

  ScreenContext context_;
  ScreenButtons buttons_;
  std::array<QLabel*, 4> names_{};
};

}  // namespace ostrel
