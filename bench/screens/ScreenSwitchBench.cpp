// Switching between the home screen and the stick settings and button mapping
// screens of a slot, measured from the click to the next painted frame of the
// screen switched to, offscreen, with the generated pictures beside the
// program.

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QTemporaryDir>
#include <QTest>

#include <map>

#include "controls/PictureCache.h"
#include "library/ProfileLibrary.h"
#include "link/ControllerLink.h"
#include "link/QueueDispatcher.h"
#include "link/SystemSleeper.h"
#include "link/ThreadGraceTimer.h"
#include "link/hid/SimulatedPad.h"
#include "profile/AppState.h"
#include "screens/ButtonScreen.h"
#include "screens/ScreenHost.h"
#include "screens/StickScreen.h"
#include "screens/HomeScreen.h"

namespace ostrel {
namespace {

// Shows the screen ScreenId names, as the container does.
class SwitchingHost : public ScreenHost {
 public:
  explicit SwitchingHost(AppState& app) : app_(app) {}
  void hold(int32_t number, QWidget* widget, ProfileScreen* screen) { screens_[number] = {widget, screen}; }
  void showCurrentScreen() override {
    const int32_t shown = screens_.count(app_.ScreenId) ? app_.ScreenId : kHomeScreen;
    for (auto& [number, held] : screens_) held.first->setVisible(number == shown);
  }
  ProfileScreen* screen(int32_t number) override {
    auto found = screens_.find(number);
    return found == screens_.end() ? nullptr : found->second.second;
  }
  void openWebAddress(const std::string&) override {}
  void quitProgram() override {}

 private:
  AppState& app_;
  std::map<int32_t, std::pair<QWidget*, ProfileScreen*>> screens_;
};

// Notes the first paint of a widget.
class PaintWatch : public QObject {
 public:
  explicit PaintWatch(QWidget* widget) { widget->installEventFilter(this); }
  bool painted = false;

 protected:
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() == QEvent::Paint) painted = true;
    return false;
  }
};

void clickUntilPainted(QWidget* button, QWidget* next) {
  PaintWatch watch(next);
  QTest::mouseClick(button, Qt::LeftButton, {}, button->rect().center());
  while (!watch.painted) QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
}

struct Rig {
  Rig() : graceTimer(dispatcher), host(app) {
    library.basePath = folder.path().toStdString() + "/";
    library.ensureFolders();
    app.resetToStartup();
    app.programFolder = library.basePath;
    app.resourceFolder = languageFolder(0);
    app.currentSlot = 1;
    for (int i = 0; i < kSlotCount; ++i) {
      app.slotNames[i] = app.savedSlotNames[i] = library.getSlotName(i);
      library.loadProfileIntoSlot(i, app.slotNames[i]);
    }
    link = std::make_unique<ControllerLink>(app, library, pad, dispatcher, graceTimer, sleeper);
    pictures = std::make_unique<PictureCache>(QCoreApplication::applicationDirPath(), app);
    const ScreenContext context{app, library, *link, *pictures, host, QCoreApplication::applicationDirPath()};
    home = new HomeScreen(context, &window);
    buttons = new ButtonScreen(context, &window);
    stick = new StickScreen(context, &window);
    host.hold(kHomeScreen, home, home);
    host.hold(kButtonScreen, buttons, buttons);
    host.hold(kStickScreen, stick, stick);
    window.resize(1280, 720);
    buttons->hide();
    stick->hide();
    window.show();
    if (!QTest::qWaitForWindowExposed(&window)) qFatal("the screens' window was never shown");
  }

  QTemporaryDir folder;
  AppState app;
  ProfileLibrary library;
  SimulatedPad pad;
  QueueDispatcher dispatcher;
  ThreadGraceTimer graceTimer;
  SystemSleeper sleeper;
  SwitchingHost host;
  std::unique_ptr<ControllerLink> link;
  std::unique_ptr<PictureCache> pictures;
  QWidget window;
  HomeScreen* home = nullptr;
  ButtonScreen* buttons = nullptr;
  StickScreen* stick = nullptr;
};

QWidget* control(QWidget* screen, int id) { return screen->findChild<QWidget*>(QString::number(id)); }

// Times one way of a round trip between two screens: go (a button on the
// first screen) to the second, or back (a button on the second) to the first.
void roundTrips(benchmark::State& state, QWidget* go, QWidget* second, QWidget* back,
                QWidget* first, bool timeTheWayBack) {
  for (auto _ : state) {
    if (timeTheWayBack) state.PauseTiming();
    clickUntilPainted(go, second);
    if (timeTheWayBack) {
      state.ResumeTiming();
    } else {
      state.PauseTiming();
    }
    clickUntilPainted(back, first);
    if (!timeTheWayBack) state.ResumeTiming();
  }
}

void BM_HomeToButtonScreen(benchmark::State& state) {
  Rig rig;
  roundTrips(state, control(rig.home, HomeScreen::kKey), rig.buttons,
             control(rig.buttons, ButtonScreen::kHome), rig.home, false);
}
BENCHMARK(BM_HomeToButtonScreen)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_ButtonScreenToHome(benchmark::State& state) {
  Rig rig;
  roundTrips(state, control(rig.home, HomeScreen::kKey), rig.buttons,
             control(rig.buttons, ButtonScreen::kHome), rig.home, true);
}
BENCHMARK(BM_ButtonScreenToHome)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_HomeToStickScreen(benchmark::State& state) {
  Rig rig;
  roundTrips(state, control(rig.home, HomeScreen::kAim), rig.stick,
             control(rig.stick, StickScreen::kHome), rig.home, false);
}
BENCHMARK(BM_HomeToStickScreen)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_StickScreenToHome(benchmark::State& state) {
  Rig rig;
  roundTrips(state, control(rig.home, HomeScreen::kAim), rig.stick,
             control(rig.stick, StickScreen::kHome), rig.home, true);
}
BENCHMARK(BM_StickScreenToHome)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
}  // namespace ostrel

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
