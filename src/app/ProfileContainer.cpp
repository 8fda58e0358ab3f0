#include "app/Profile.h"

#include "app/ProcessShell.h"
#include "app/profile_Dialog_Check_Control_Status.h"
#include "app/profile_Dialog_Qiut.h"
#include "profile/AppState.h"
#include "screens/CDfuSeDemoDlg.h"
#include "screens/Profile2_Dialog.h"
#include "screens/Profile3_Dialog.h"
#include "screens/Profile5_Dialog.h"
#include "screens/ScreenContext.h"
#include "screens/ScreenKeyFilter.h"
#include "screens/StickScreen.h"
#include "screens/profile1_Dialog.h"
#include "screens/profile_Dialog_Controller_Profile.h"
#include "screens/profile_Dialog_Kelto_Profile.h"
#include "screens/profile_Dialog_Name_List.h"
#include "screens/profile_Dialog_Download_Profile.h"
#include "screens/profile_Save_Dialog.h"

namespace ostrel {
namespace {
const QRect kFullWindow(0, 0, 1280, 720);
}  // namespace

Profile::Profile(AppContext& context, QWidget* parent)
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
  addScreen(kHomeScreen, new profile1_Dialog(screens, this));
  addScreen(kStickScreen, new StickScreen(screens, this));
  addScreen(kButtonScreen, new Profile5_Dialog(screens, this));
  addScreen(kGeneralScreen, new Profile3_Dialog(screens, this));
  addScreen(kControllerListScreen, new profile_Dialog_Controller_Profile(screens, this));
  addScreen(kNameListScreen, new profile_Dialog_Name_List(screens, this));
  addScreen(kMakerListScreen, new profile_Dialog_Kelto_Profile(screens, this));
  addScreen(kDownloadScreen, new profile_Dialog_Download_Profile(screens, this));
  addScreen(kSavePromptScreen, new profile_Save_Dialog(screens, this));
  addScreen(kSaveNameScreen, new Profile2_Dialog(screens, this));
  addScreen(kQuitPromptScreen, new profile_Dialog_Qiut(context_, *this));
  addUpdateScreen(screens);
  notConnected_ = new profile_Dialog_Check_Control_Status(context_, this);
  notConnected_->setGeometry(kFullWindow);
  showScreen(kHomeScreen);
}

template <typename Screen>
void Profile::addScreen(int32_t screenNumber, Screen* screen) {
  screen->setParent(this);
  screen->setGeometry(kFullWindow);
  pages_[screenNumber - 1] = Page{screen, screen};
}

QWidget* Profile::page(int32_t screenNumber) const {
  if (screenNumber < 1 || screenNumber > kScreenCount) return nullptr;
  return pages_[screenNumber - 1].widget;
}

ProfileScreen* Profile::screen(int32_t screenNumber) {
  if (screenNumber < 1 || screenNumber > kScreenCount) return nullptr;
  return pages_[screenNumber - 1].screen;
}

int32_t Profile::heldScreen(int32_t screenNumber) const {
  const int32_t number = screenFor(screenNumber);
  return page(number) ? number : kHomeScreen;
}

void Profile::showScreen(int32_t screenNumber) {
  const int32_t shown = heldScreen(screenNumber);
  notConnected_->hide();
  for (int32_t number = 1; number <= kScreenCount; ++number) {
    if (QWidget* widget = page(number)) widget->setVisible(number == shown);
  }
}

void Profile::addUpdateScreen(const ScreenContext& screens) {
  if (!context_.usb) return;
  ProcessShell& shell = context_.shell;
  addScreen(kUpdateScreen, new CDfuSeDemoDlg(screens,
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

void Profile::showCurrentScreen() {
  followLanguage();
  // In DFU mode the pad is still there: the update screen (which recovery
  // chose) or the screen it leads to stays in view.
  if (context_.app.LinkState == kPadConnected || context_.app.LinkState == kPadDfu) {
    showScreen(context_.app.ScreenId);
    return;
  }
  for (const Page& each : pages_) {
    if (each.widget) each.widget->hide();
  }
  notConnected_->show();
  notConnected_->update();
}

void Profile::followLanguage() {
  // The screens reload their own pictures; the not-connected screen and the
  // main window's flags are outside their reach.
  notConnected_->followFolder();
  if (context_.app.language == shownLanguage_) return;
  shownLanguage_ = context_.app.language;
  Q_EMIT languageShown(shownLanguage_);
}

void Profile::openWebAddress(const std::string& address) {
  context_.shell.openWebAddress(QString::fromStdString(address));
}

void Profile::quitProgram() { context_.shell.quit(); }

}  // namespace ostrel
