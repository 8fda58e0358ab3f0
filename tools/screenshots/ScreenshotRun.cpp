#include "ScreenshotRun.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDir>

#include <cstdio>

#include "DemoServerContent.h"
#include "DownloadShots.h"
#include "ListShots.h"
#include "NameAndSaveShots.h"
#include "UpdateShots.h"
#include "app/MainWindow.h"
#include "app/ProfileContainer.h"
#include "app/ResourceRoot.h"
#include "app/NotConnectedScreen.h"
#include "library/ProfileLibrary.h"
#include "profile/ProfileRecord.h"
#include "screens/ProfileScreen.h"

namespace ostrel {
namespace {

// The language's folder name (English, French, ...), for file names.
QString folderName(int language) { return QString::fromUtf8(languageFolder(language)).section('/', 1, 1); }

void chooseLanguage(AppState& state, int language) {
  state.language = language;
  state.resourceFolder = languageFolder(language);
}

}  // namespace

ScreenshotRun::ScreenshotRun(QString outputFolder) : output_(std::move(outputFolder)) {
  const std::string program = QCoreApplication::applicationDirPath().toStdString() + "/";
  Application::Environment environment{
      pad_, sleeper_, *this, [] { return true; }, dataFolder_.path().toStdString() + "/", std::string(),
      QString::fromStdString(resourceRoot(program))};
  environment.dfuTransport = &rig_.bus();
  environment.dfuClock = &clock_;
  const std::string factory = writeFactoryFirmware(dataFolder_.path().toStdString());
  if (!factory.empty()) problems_ << QString::fromStdString(factory);
  if (server_.start()) {
    environment.server = server_.settings();
  } else {
    problems_ << QStringLiteral("No loopback FTP server: ") + server_.problem();
  }
  app_ = std::make_unique<Application>(std::move(environment));
  app_->pictures().setWarningSink([this](const QString& line) { problems_ << line; });
  // The pad answers nothing: the screens stay as the run sets them.
  pad_.setRequestFilter([](const Report&) { return false; });
}

MainWindow& ScreenshotRun::window() { return app_->mainWindow(); }

ProfileContainer* ScreenshotRun::container() { return window().container(); }

QWidget* ScreenshotRun::page(int32_t screen) {
  QWidget* widget = container() ? container()->page(screen) : nullptr;
  if (!widget) problems_ << QStringLiteral("The container holds no screen %1").arg(screen);
  return widget;
}

bool ScreenshotRun::shown(int32_t screen) {
  QWidget* widget = container() ? container()->page(screen) : nullptr;
  return widget && widget->isVisible();
}

void ScreenshotRun::click(int32_t screen, int id) {
  QWidget* widget = page(screen);
  auto* button = widget ? widget->findChild<QAbstractButton*>(QString::number(id)) : nullptr;
  if (button) {
    button->click();
  } else {
    problems_ << QStringLiteral("Screen %1 has no button %2").arg(screen).arg(id);
  }
}

void ScreenshotRun::showMessage(const QString& text) { problems_ << text; }

int ScreenshotRun::run() {
  if (!dataFolder_.isValid() || !QDir().mkpath(output_)) {
    std::fprintf(stderr, "Cannot prepare the folders of the run\n");
    return 1;
  }
  if (!app_->start()) return 1;
  firstScreens();
  homeScreens();
  editorScreens();
  savePromptShots(*this);
  nameScreenShots(*this);  // leaves a new, unsaved name in slot 1
  downloadShots(*this);
  listShots(*this);
  updateShots(*this, rig_, server_);
  containerScreens();
  for (const QString& problem : problems_) std::fprintf(stderr, "%s\n", qPrintable(problem));
  return problems_.isEmpty() ? 0 : 1;
}

bool ScreenshotRun::waitUntil(const std::function<bool()>& done) {
  const QDeadlineTimer deadline(30000);  // generous: a loaded machine is slow
  while (!done() && !deadline.hasExpired()) QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
  if (!done())
    problems_ << QStringLiteral("The program did not reach the state of the screenshot after ") + lastSaved_;
  return done();
}

void ScreenshotRun::save(const QString& name, bool settle) {
  if (settle) QCoreApplication::processEvents();
  const QString path = QDir(output_).filePath(name);
  lastSaved_ = name;
  if (window().grab().save(path)) {
    std::printf("%s\n", qPrintable(path));
  } else {
    problems_ << QStringLiteral("Cannot write ") + path;
  }
}

void ScreenshotRun::firstScreens() {
  AppState& state = app_->state();
  save(QStringLiteral("first-screen-0-no-pad.png"));
  rig_.plugPad();
  if (waitUntil([&] { return state.LinkState == kPadConnected; })) save(QStringLiteral("first-screen-1-connected.png"));
  pad_.switchToXbox360();
  if (waitUntil([&] { return state.LinkState == kPadXbox360; })) save(QStringLiteral("first-screen-2-xbox360.png"));
  // The firmware update sets this state when it finds the pad's boot loader.
  state.LinkState = kPadDfu;
  window().refresh();
  save(QStringLiteral("first-screen-3-boot-loader.png"));
  state.LinkState = kNoPad;
  rig_.plugPad();
  waitUntil([&] { return state.LinkState == kPadConnected; });
}

void ScreenshotRun::homeScreens() {
  AppState& state = app_->state();
  window().findChild<QAbstractButton*>(QString::number(MainWindow::kNextId))->click();
  ProfileContainer* container = window().container();
  if (!container) {
    problems_ << QStringLiteral("Next did not open the profile screens");
    return;
  }
  for (int language = 0; language < kLanguageCount; ++language) {
    chooseLanguage(state, language);
    container->showScreen(kQuitPromptScreen);  // the home screen takes the language when shown again
    container->showScreen(kHomeScreen);
    save(QStringLiteral("home-%1.png").arg(folderName(language)));
  }
  chooseLanguage(state, 0);
}

void ScreenshotRun::saveEditor(int32_t screen, const QString& name) {
  ProfileContainer* container = window().container();
  ProfileScreen* editor = container->screen(screen);
  if (!editor) {
    problems_ << QStringLiteral("The container holds no screen %1").arg(screen);
    return;
  }
  editor->loadSlot();
  container->showScreen(screen);
  save(name);
}

void ScreenshotRun::editorScreens() {
  if (!window().container()) return;
  AppState& state = app_->state();
  for (int language = 0; language < kLanguageCount; ++language) {
    chooseLanguage(state, language);
    const QString folder = folderName(language);
    saveEditor(kStickScreen, QStringLiteral("stick-%1.png").arg(folder));
    saveEditor(kButtonScreen, QStringLiteral("buttons-%1.png").arg(folder));
    saveEditor(kGeneralScreen, QStringLiteral("general-%1.png").arg(folder));
  }
  chooseLanguage(state, 0);
  // Zone widths 50, 30 and 20 instead of the default thirds.
  auto& edited = app_->library().editValues[0];
  const auto kept = edited;
  edited[ProfileIndex::smallZone] = 0.5f;
  edited[ProfileIndex::mediumZone] = 0.3f;
  edited[ProfileIndex::bigZone] = 0.2f;
  saveEditor(kStickScreen, QStringLiteral("stick-zones-50-30-20.png"));
  edited = kept;
  const uint8_t off = state.slotOff[0];
  state.slotOff[0] = 1;
  saveEditor(kButtonScreen, QStringLiteral("buttons-paddles-off.png"));
  state.slotOff[0] = off;
  window().container()->showScreen(kHomeScreen);
}

void ScreenshotRun::containerScreens() {
  ProfileContainer* container = window().container();
  if (!container) return;
  container->showScreen(kQuitPromptScreen);
  save(QStringLiteral("quit-prompt.png"));
  container->showScreen(kHomeScreen);
  QCoreApplication::processEvents();
  rig_.unplug();
  // The real grace time passes before the container gives up on the pad.
  if (waitUntil([&] { return container->notConnectedScreen()->isVisible(); }))
    save(QStringLiteral("not-connected.png"));
}

}  // namespace ostrel
