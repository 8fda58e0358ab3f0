#pragma once
// The main window and first screen: the pad's state as one full-window
// picture, the seven language flags while the pad is connected, Next to the
// profile container and QUIT. The container, once open, lies over this window
// as its child and hosts every further screen.

#include <QWidget>

#include <memory>

#include "app/AppContext.h"
#include "app/FlagColumn.h"
#include "link/LinkObserver.h"

class QLabel;

namespace ostrel {

class DfuStartupWatch;
class ImageButton;
class ProfileContainer;

class MainWindow : public QWidget, public LinkObserver {
  Q_OBJECT

 public:
  static constexpr int kSettingId = 1079;
  static constexpr int kNextId = 1087;
  static constexpr int kQuitId = 1187;
  static constexpr int kVersionId = 1197;
  static constexpr int kWidth = 1280;
  static constexpr int kHeight = 720;

  explicit MainWindow(AppContext& context);
  ~MainWindow() override;

  // The start-up steps that belong to this window, in the order the
  // application calls them.
  void placeWindow();
  void placeButtons();
  void resetFirstScreen();
  void placeVersionLabel();
  // The hidden firmware-update window that notices a pad already in DFU
  // mode; it lives until the first screen is left.
  void watchForDfuMode();
  DfuStartupWatch* startupWatch() const { return startupWatch_.get(); }
  // Once every control exists: Escape, Enter, Alt+F4, Space and F1 never
  // close this window or press its focused button.
  void filterKeys();

  // Shows the buttons LinkState calls for and repaints.
  void refresh();

  ProfileContainer* container() const { return container_; }
  bool profileWindowOpen() const { return profileWindowOpen_; }
  const FlagColumn& flags() const { return flags_; }

  void linkStateChanged(int32_t linkState) override;
  void graceTimeEnded() override;
  void padDataChanged() override;
  void languageReceived(int language) override;
  void connectionSequenceDone() override;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void moveEvent(QMoveEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  void openProfileWindow();
  void openRecoveryWindow();
  void storePosition();
  void refreshContainer();
  ImageButton* addButton(int id, const QString& picture, QPoint place);

  AppContext& context_;
  FlagColumn flags_;
  bool profileWindowOpen_ = false;
  ProfileContainer* container_ = nullptr;
  std::unique_ptr<DfuStartupWatch> startupWatch_;
  ImageButton* setting_ = nullptr;
  ImageButton* next_ = nullptr;
  ImageButton* quit_ = nullptr;
  QLabel* version_ = nullptr;
};

}  // namespace ostrel
