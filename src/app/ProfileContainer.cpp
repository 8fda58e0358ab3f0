#include "app/ProfileContainer.h"

#include "app/ProcessShell.h"
#include "app/NotConnectedScreen.h"
#include "app/QuitPrompt.h"
#include "profile/AppState.h"
#include "screens/UpdateScreen.h"
#include "screens/NameScreen.h"
#include "screens/GeneralScreen.h"
#include "screens/ButtonScreen.h"
#include "screens/ScreenContext.h"
#include "screens/ScreenKeyFilter.h"
#include "screens/StickScreen.h"
#include "screens/HomeScreen.h"
#include "screens/PadProfilesList.h"
#include "screens/MakerProfilesList.h"
#include "screens/MyProfilesList.h"
#include "screens/DownloadScreen.h"
#include "screens/SavePrompt.h"

namespace ostrel {
namespace {
const QRect kFullWindow(0, 0, 1280, 720);
}  // namespace

ProfileContainer::ProfileContainer(AppContext& context, QWidget* parent)
    : QWidget(parent), context_(context), shownLanguage_(context.app.language) {
  setObjectName(QStringLiteral("103"));
  setGeometry(kFullWindow);
  setAutoFillBackground(true);
  QPalette palette = this->palette();
  palette.setColor(QPalette::Window, Qt::black);
  setPalette(palette);
  // Keys the screens leave alone still never close the container.
  installEventFilter(new ScreenKeyFilter({Qt::Key_F1}, this));

  const ScreenContext screens{context_.app,      context_.library, context_.link,
                              context_.pictures, *this,            context_.resourceRoot,
                              context_.server};
  addScreen(kHomeScreen, new HomeScreen(screens, this));
  addScreen(kStickScreen, new StickScreen(screens, this));
  addScreen(kButtonScreen, new ButtonScreen(screens, this));
  addScreen(kGeneralScreen, new GeneralScreen(screens, this));
  addScreen(kControllerListScreen, new PadProfilesList(screens, this));
  addScreen(kNameListScreen, new MyProfilesList(screens, this));
  addScreen(kMakerListScreen, new MakerProfilesList(screens, this));
  addScreen(kDownloadScreen, new DownloadScreen(screens, this));
  addScreen(kSavePromptScreen, new SavePrompt(screens, this));
  addScreen(kSaveNameScreen, new NameScreen(screens, this));
  addScreen(kQuitPromptScreen, new QuitPrompt(context_, *this));
  addUpdateScreen(screens);
  notConnected_ = new NotConnectedScreen(context_, this);
  notConnected_->setGeometry(kFullWindow);
  showScreen(kHomeScreen);
}

template <typename Screen>
void ProfileContainer::addScreen(int32_t screenNumber, Screen* screen) {
  screen->setParent(this);
  screen->setGeometry(kFullWindow);
  pages_[screenNumber - 1] = Page{screen, screen};
}

QWidget* ProfileContainer::page(int32_t screenNumber) const {
  if (screenNumber < 1 || screenNumber > kScreenCount) return nullptr;
  return pages_[screenNumber - 1].widget;
}

ProfileScreen* ProfileContainer::screen(int32_t screenNumber) {
  if (screenNumber < 1 || screenNumber > kScreenCount) return nullptr;
  return pages_[screenNumber - 1].screen;
}

int32_t ProfileContainer::heldScreen(int32_t screenNumber) const {
  const int32_t number = screenFor(screenNumber);
  return page(number) ? number : kHomeScreen;
}

void ProfileContainer::showScreen(int32_t screenNumber) {
  const int32_t shown = heldScreen(screenNumber);
  notConnected_->hide();
  for (int32_t number = 1; number <= kScreenCount; ++number) {
    if (QWidget* widget = page(number)) widget->setVisible(number == shown);
  }
}

void ProfileContainer::addUpdateScreen(const ScreenContext& screens) {
  if (!context_.usb) return;
  ProcessShell& shell = context_.shell;
  addScreen(kUpdateScreen, new UpdateScreen(screens,
                                             UpdateScreenSetup{
                                                 *context_.usb,
                                                 *context_.dfuClock,
                                                 *context_.dfuShared,
                                                 [&shell](const std::string& text) {
                                                   shell.showMessage(QString::fromStdString(text));
                                                 },
                                                 [&shell](const std::string& question) {
                                                   return shell.askYesNo(QString::fromStdString(question));
                                                 },
                                             },
                                             this));
}

void ProfileContainer::showCurrentScreen() {
  followLanguage();
  const int32_t link = context_.app.LinkState;
  // In DFU mode the pad is still there: the update screen (which recovery
  // chose) or the screen it leads to stays in view.
  if (link == kPadConnected || link == kPadDfu) padGone_ = false;
  if (link == kPadConnected || link == kPadDfu || (link == kNoPad && !padGone_)) {
    showScreen(context_.app.ScreenId);
    followSlot();
    return;
  }
  for (const Page& each : pages_) {
    if (each.widget) each.widget->hide();
  }
  notConnected_->show();
  notConnected_->update();
}

void ProfileContainer::padGone() {
  padGone_ = true;
  showCurrentScreen();
}

int32_t ProfileContainer::shownScreen() const {
  for (int32_t number = 1; number <= kScreenCount; ++number) {
    if (QWidget* widget = page(number); widget && widget->isVisible()) return number;
  }
  return 0;
}

void ProfileContainer::followSlot() {
  if (ProfileScreen* shown = screen(shownScreen())) shown->followSlot();
}

void ProfileContainer::closeRequested() {
  const int32_t shown = shownScreen();
  if (shown == 0) {
    // The not-connected screen: its QUIT.
    context_.shell.quit();
    return;
  }
  // Leaving a prompt unanswered, or the pad in its boot loader, is no way out.
  if (shown == kSavePromptScreen || shown == kQuitPromptScreen) return;
  if (auto* update = dynamic_cast<UpdateScreen*>(screen(kUpdateScreen)); update && shown == kUpdateScreen) {
    const int32_t state = update->updateState();
    if (state == UpdateScreen::kWaitingForDfu || state == UpdateScreen::kProgramming) return;
  }
  // Elsewhere the home screen's Quit: what the screen in view holds is kept
  // as the slot's edit, then the save prompt or the quit prompt.
  auto* home = dynamic_cast<HomeScreen*>(screen(kHomeScreen));
  if (!home) return;
  page(shown)->hide();
  home->quit();
}

void ProfileContainer::followLanguage() {
  // The screens reload their own pictures; the not-connected screen and the
  // main window's flags are outside their reach.
  notConnected_->followFolder();
  if (context_.app.language == shownLanguage_) return;
  shownLanguage_ = context_.app.language;
  Q_EMIT languageShown(shownLanguage_);
}

void ProfileContainer::openWebAddress(const std::string& address) {
  context_.shell.openWebAddress(QString::fromStdString(address));
}

void ProfileContainer::quitProgram() { context_.shell.quit(); }

}  // namespace ostrel
