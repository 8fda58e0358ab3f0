#pragma once
// The profile name screen: the name of a new profile, or a new name for the
// current slot's profile. Spaces become "_", a name stays within 20
// characters, and a name that is not allowed or already taken shows a warning
// and changes nothing.
//
// User-interface thread only. Opened by the home screen, whose new/rename
// flag says which of the two it is; leads back to the home screen.

#include <QString>
#include <QWidget>

#include <string>

#include "screens/ProfileScreen.h"
#include "screens/ScreenButtons.h"
#include "screens/ScreenContext.h"

class QLineEdit;

namespace ostrel {

class NameScreen : public QWidget, public ProfileScreen {
  Q_OBJECT

 public:
  // Control ids (each control's objectName is its id).
  enum Control : int { kNameBox = 1168, kSave = 1169, kCancel = 1170 };
  // What the warning area shows.
  enum Warning : int { kNoWarning = 0, kNameTaken = 1, kNameNotAllowed = 2 };
  static constexpr QRect kWarningArea{457, 266, 429, 48};

  NameScreen(const ScreenContext& context, QWidget* parent = nullptr);
  ~NameScreen() override;

  // ProfileScreen: the screen is being opened; prepares the name box for a
  // new profile or a rename, as the home screen's flag says.
  void loadSlot() override;
  void reloadPictures() override;

  // The buttons' commands, callable directly.
  void save();
  void cancel();

  int warning() const { return warning_; }
  bool renaming() const { return rename_; }

 protected:
  void paintEvent(QPaintEvent* event) override;
  void showEvent(QShowEvent* event) override;

 private:
  void buildControls();
  void clean();
  void setWarning(int warning);
  bool createNamed(const std::string& name);
  bool renameTo(const std::string& name);
  void finish();
  int slotIndex() const;

  ScreenContext context_;
  ScreenButtons buttons_;
  QLineEdit* box_ = nullptr;
  QString previous_;
  int warning_ = kNoWarning;
  bool rename_ = false;
  bool cleaning_ = false;
};

}  // namespace ostrel
