#pragma once
// The general settings screen: the interface language and the keyboard layout
// in which keys are shown and captured, the pad's LED pulsation (mode and
// level, sent to the pad as soon as they change), a calibration marker, the
// doors to the firmware update and the maker's web site, and the pad's
// firmware version. It edits no profile value and writes no file.
//
// User-interface thread only. Its 100 ms timer runs from creation on, also
// while the screen is hidden, so the pad's LED answers are always taken over.

#include <QTimer>
#include <QWidget>

#include "screens/ProfileScreen.h"
#include "screens/ScreenButtons.h"
#include "screens/ScreenContext.h"

class QLabel;

namespace ostrel {

class ChosenButtons;
class PictureSlider;

class GeneralScreen : public QWidget, public ProfileScreen {
  Q_OBJECT

 public:
  // Control ids (each control's objectName is its id).
  enum Control : int {
    kEnglish = 1009, kFrench = 1004, kGerman = 1005, kNederlands = 1007, kSpanish = 1098,
    kItalian = 1006, kPortuguese = 1008, kAzertyButton = 1103, kQwertyButton = 1104,
    kQwertySpButton = 1105, kQwertzuButton = 1106, kLedOff = 1109, kLedSlow = 1110,
    kLedMedium = 1111, kLedQuick = 1112, kLevel = 1115, kReset = 1101, kSave = 1100,
    kCalibrate = 1108, kFirmwareUpdate = 1114, kWebSite = 1107, kVersion = 1181,
    kHome = 1102, kProfile1Tab = 1119, kProfile2Tab = 1120, kProfile3Tab = 1121,
    kProfile4Tab = 1122, kGeneralTab = 1123,
  };
  static constexpr int kTimerInterval = 100;  // ms
  static constexpr QRect kCalibrationPoint{343, 419, 16, 16};

  GeneralScreen(const ScreenContext& context, QWidget* parent = nullptr);
  ~GeneralScreen() override;

  // ProfileScreen: refreshGeneralScreen (version, tabs, flag and layout).
  void loadSlot() override;
  void reloadPictures() override;

  // The buttons' commands, callable directly.
  void chooseLanguage(int language);
  void chooseLayout(int layout);
  void chooseLedMode(int mode);
  void resetLed();
  void calibrate();
  void openFirmwareUpdate();
  void openWebSite();
  void goHome();
  void selectSlot(int slot);
  void showGeneralTab();

  // One tick of the 100 ms timer.
  void tick();

  int level() const { return level_; }
  int mode() const { return mode_; }
  int value() const { return value_; }
  int lastSentLevel() const { return lastSentLevel_; }
  bool calibrationMarked() const { return calibrationMarker_; }
  const QTimer& timer() const { return timer_; }

 protected:
  void paintEvent(QPaintEvent* event) override;
  void showEvent(QShowEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void buildControls();
  void connectCommands();
  void showKeyboardLayout();
  void applyLanguage();
  void reloadAllPictures();
  void showVersion();
  void sendSettings();
  void leaveForSlot();

  ScreenContext context_;
  ScreenButtons buttons_;
  ChosenButtons* flags_ = nullptr;
  ChosenButtons* layouts_ = nullptr;
  ChosenButtons* leds_ = nullptr;
  ChosenButtons* tabs_ = nullptr;
  PictureSlider* slider_ = nullptr;
  QLabel* version_ = nullptr;
  QTimer timer_;
  int level_ = 0;
  int mode_ = 0;
  int value_ = 0;
  int lastSentLevel_ = 0;
  bool calibrationMarker_ = false;
};

}  // namespace ostrel
