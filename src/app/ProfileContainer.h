#pragma once
// The profile container: one page over the whole main window that holds the
// profile screens and shows one of them at a time. The screens lead to each
// other through the ScreenHost calls; the link's connection changes come
// through showCurrentScreen.

#include <QWidget>

#include <array>
#include <cstdint>

#include "app/AppContext.h"
#include "screens/ScreenHost.h"

namespace ostrel {

class NotConnectedScreen;
struct ScreenContext;

class ProfileContainer : public QWidget, public ScreenHost {
  Q_OBJECT

 public:
  static constexpr int kScreenCount = 12;

  ProfileContainer(AppContext& context, QWidget* parent);

  // The widget of a screen number (1..12), or null while the container does
  // not hold that screen.
  QWidget* page(int32_t screenNumber) const;
  NotConnectedScreen* notConnectedScreen() const { return notConnected_; }

  // Shows the screen of screenNumber (the home screen for one not held) and
  // hides every other one, the not-connected screen included.
  void showScreen(int32_t screenNumber);

  // While the pad is away but its grace time runs, the screens still lead to
  // each other; the not-connected screen comes only once it has ended.
  void showCurrentScreen() override;
  ProfileScreen* screen(int32_t screenNumber) override;
  // The pad's grace time ended without it (LinkState not 1 or 3).
  void padGone();
  // The pad's answers may have changed the current slot under the screen
  // in view: it fills its controls again if so.
  void followSlot();
  // A window-manager close request: the way out of the screen in view.
  void closeRequested();
  void openWebAddress(const std::string& address) override;
  void quitProgram() override;

 Q_SIGNALS:
  // The language changed while a screen of the container was shown (the
  // general settings screen): the main window's flag follows it.
  void languageShown(int language);

 private:
  struct Page {
    QWidget* widget = nullptr;
    ProfileScreen* screen = nullptr;
  };
  template <typename Screen>
  void addScreen(int32_t screenNumber, Screen* screen);
  int32_t heldScreen(int32_t screenNumber) const;
  void addUpdateScreen(const ScreenContext& screens);
  void followLanguage();
  // The screen in view, 0 for none (the not-connected screen).
  int32_t shownScreen() const;

  AppContext& context_;
  std::array<Page, kScreenCount> pages_{};
  NotConnectedScreen* notConnected_ = nullptr;
  int shownLanguage_ = 0;
  bool padGone_ = false;
};

}  // namespace ostrel
