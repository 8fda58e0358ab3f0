#include "Journey.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDirIterator>
#include <QFile>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QTest>

#include <algorithm>
#include <cstring>
#include <iterator>
#include <sstream>

#include "app/NotConnectedScreen.h"
#include "app/QuitPrompt.h"
#include "library/ProfileLibrary.h"
#include "profile/KeyTables.h"
#include "screens/ButtonCells.h"
#include "screens/ButtonScreen.h"
#include "screens/GeneralScreen.h"
#include "controls/PlainList.h"
#include "screens/HomeScreen.h"
#include "screens/MyProfilesList.h"
#include "screens/PadProfilesList.h"
#include "screens/ProfileListScreen.h"
#include "screens/SavePrompt.h"
#include "screens/StickField.h"
#include "screens/StickScreen.h"

namespace ostrel::test {
namespace {

const char* const kStepNames[] = {
    "Tab1", "Tab2", "Tab3", "Tab4", "GeneralTab", "Aim", "Key", "Home",
    "TypeSensitivity", "StickSensitivity", "CaptureKey", "SwitchOff", "SwitchOn",
    "Save", "ResetLower", "ResetUpper", "Activate", "Quit", "PromptYes", "PromptNo", "QuitPromptNo",
    "MyProfiles", "LoadProfile", "ListCancel", "PadProfiles",
    "Language", "Layout", "CloseRequest", "Unplug", "GraceEnds", "Replug",
};

const int kFirstCode = kButtonCells[0].recordIndex;

// Keys a person presses on the button screen: evdev code and Qt key.
const std::pair<int, Qt::Key> kKeys[] = {{30, Qt::Key_A}, {48, Qt::Key_B}, {37, Qt::Key_K}, {44, Qt::Key_Z}};

int tabIndex(Step step) { return static_cast<int>(step) - static_cast<int>(Step::Tab1); }

// The control a step clicks on each profile screen, 0 where it has none.
int controlOf(Step step, int32_t screen) {
  if (step >= Step::Tab1 && step <= Step::Tab4) {
    const int i = tabIndex(step);
    const int home[] = {HomeScreen::kProfile1Tab, HomeScreen::kProfile2Tab, HomeScreen::kProfile3Tab,
                        HomeScreen::kProfile4Tab};
    const int stick[] = {StickScreen::kProfile1Tab, StickScreen::kProfile2Tab, StickScreen::kProfile3Tab,
                         StickScreen::kProfile4Tab};
    const int buttons[] = {ButtonScreen::kProfile1Tab, ButtonScreen::kProfile2Tab, ButtonScreen::kProfile3Tab,
                           ButtonScreen::kProfile4Tab};
    const int general[] = {GeneralScreen::kProfile1Tab, GeneralScreen::kProfile2Tab,
                           GeneralScreen::kProfile3Tab, GeneralScreen::kProfile4Tab};
    switch (screen) {
      case kHomeScreen: return home[i];
      case kStickScreen: return stick[i];
      case kButtonScreen: return buttons[i];
      case kGeneralScreen: return general[i];
      default: return 0;
    }
  }
  struct Entry {
    Step step;
    int32_t screen;
    int id;
  };
  static const Entry kTable[] = {
      {Step::GeneralTab, kHomeScreen, HomeScreen::kGeneralTab},
      {Step::GeneralTab, kStickScreen, StickScreen::kGeneralTab},
      {Step::GeneralTab, kButtonScreen, ButtonScreen::kGeneralTab},
      {Step::Aim, kHomeScreen, HomeScreen::kAim},
      {Step::Key, kHomeScreen, HomeScreen::kKey},
      {Step::Home, kStickScreen, StickScreen::kHome},
      {Step::Home, kButtonScreen, ButtonScreen::kHome},
      {Step::Home, kGeneralScreen, GeneralScreen::kHome},
      {Step::TypeSensitivity, kHomeScreen, HomeScreen::kSensitivity1},
      {Step::StickSensitivity, kStickScreen, StickScreen::kSensitivity1},
      {Step::CaptureKey, kButtonScreen, -1},
      {Step::SwitchOff, kHomeScreen, HomeScreen::kOff},
      {Step::SwitchOn, kHomeScreen, HomeScreen::kOn},
      {Step::Save, kHomeScreen, HomeScreen::kSaveLower},
      {Step::Save, kStickScreen, StickScreen::kSave},
      {Step::Save, kButtonScreen, ButtonScreen::kSave},
      {Step::ResetLower, kHomeScreen, HomeScreen::kResetLower},
      {Step::ResetUpper, kHomeScreen, HomeScreen::kResetUpper},
      {Step::Activate, kHomeScreen, HomeScreen::kActivate},
      {Step::Quit, kHomeScreen, HomeScreen::kQuit},
      {Step::PromptYes, kSavePromptScreen, SavePrompt::kYes},
      {Step::PromptNo, kSavePromptScreen, SavePrompt::kNo},
      {Step::QuitPromptNo, kQuitPromptScreen, QuitPrompt::kNoId},
      {Step::MyProfiles, kHomeScreen, HomeScreen::kMyProfiles},
      {Step::LoadProfile, kNameListScreen, -1},
      {Step::ListCancel, kNameListScreen, MyProfilesList::kCancel},
      {Step::PadProfiles, kHomeScreen, HomeScreen::kControllerProfiles},
      {Step::ListCancel, kControllerListScreen, PadProfilesList::kCancel},
      {Step::Language, kGeneralScreen, -1},
      {Step::Layout, kGeneralScreen, -1},
  };
  for (const Entry& entry : kTable) {
    if (entry.step == step && entry.screen == screen) return entry.id;
  }
  return 0;
}

void settle() {
  for (int i = 0; i < 3; ++i) QCoreApplication::processEvents();
}

// Replaces a line edit's text as typing does.
void typeInto(QLineEdit* field, const QString& text) {
  field->setFocus();
  field->selectAll();
  field->insert(text);
}

// A whole number 1..10 other than the one shown.
QString otherSensitivity(const QString& shown) { return QString::number(shown.toInt() % 10 + 1); }

}  // namespace

std::string stepName(Step step) { return kStepNames[static_cast<int>(step)]; }

SimulatedSlot Journey::padSlot(int index) {
  SimulatedSlot slot;
  const char* names[] = {"Alpha", "Bravo", "Charlie", "Delta"};
  slot.name = names[index];
  slot.values[kFirstCode] = static_cast<float>(4 + index);  // A, B, C, D
  slot.values[ProfileIndex::sensitivity1] = static_cast<float>(2 + index);
  // Values between the screens' steps: looking at a screen must not round them.
  slot.values[ProfileIndex::staticDeadZone] = 0.1234f * static_cast<float>(index + 1);
  slot.values[ProfileIndex::padParam27] = 0.5678f + static_cast<float>(index);
  return slot;
}

void Journey::begin() {
  pad.withFirmware([](SimulatedPadFirmware& firmware) {
    for (int i = 0; i < kSlotCount; ++i) firmware.slots[static_cast<std::size_t>(i)] = padSlot(i);
  });
  ASSERT_TRUE(start());
  plugAndWaitForProfiles();
  click(window(), MainWindow::kNextId);
  ASSERT_EQ(screenInView(), kHomeScreen);
  story_ = {"begin: the pad's four slots filed, Next"};
}

void Journey::plugAndWaitForProfiles() {
  // What the pad holds now (an activation may have changed it), and a mark
  // in each slot that only the filing of the pad's profile clears.
  std::array<SimulatedSlot, kSlotCount> stored;
  pad.withFirmware([&stored](SimulatedPadFirmware& firmware) { stored = firmware.slots; });
  for (auto& saved : app().library().savedValues) saved[kFirstCode] = -1.0f;
  plug(true);
  const bool filed = waitFor([&] {
    for (int i = 0; i < kSlotCount; ++i) {
      const auto s = static_cast<std::size_t>(i);
      if (state().slotNames[s] != stored[s].name) return false;
      if (!sameBits(app().library().savedValues[s][kFirstCode], stored[s].values[kFirstCode])) return false;
    }
    return true;
  });
  if (!filed) failure_ += "the pad's profiles were not filed\n";
  settle();
}

bool Journey::sameBits(float a, float b) { return std::memcmp(&a, &b, sizeof a) == 0; }

int32_t Journey::screenInView() {
  if (!window().container()) return 0;
  if (container().notConnectedScreen()->isVisible()) return 0;
  return std::max(shownScreen(), 0);
}

std::vector<Step> Journey::possibleSteps() {
  std::vector<Step> steps;
  const int32_t screen = screenInView();
  for (int s = 0; s <= static_cast<int>(Step::Layout); ++s) {
    const auto step = static_cast<Step>(s);
    if (step == Step::Activate && state().LinkState != kPadConnected) continue;
    if (controlOf(step, screen) != 0) steps.push_back(step);
  }
  if (window().container()) steps.push_back(Step::CloseRequest);
  if (state().LinkState == kPadConnected) steps.push_back(Step::Unplug);
  if (pad.mode() == SimulatedPad::Mode::Unplugged) steps.push_back(Step::Replug);
  if (timer.armed()) steps.push_back(Step::GraceEnds);
  return steps;
}

bool Journey::edits(Step step) const {
  switch (step) {
    case Step::TypeSensitivity: case Step::StickSensitivity: case Step::CaptureKey:
    case Step::SwitchOff: case Step::SwitchOn: case Step::ResetLower: case Step::ResetUpper:
    case Step::LoadProfile:
      return true;
    default:
      return false;
  }
}

bool Journey::saves(Step step) const {
  switch (step) {
    case Step::Save: case Step::ResetLower: case Step::ResetUpper: case Step::Activate:
    case Step::PromptYes: case Step::Replug: case Step::LoadProfile:
    case Step::MyProfiles:  // rebuilds the index of the user's profiles
      return true;
    default:
      return false;
  }
}

bool Journey::take(Step step) {
  const std::vector<Step> possible = possibleSteps();
  if (std::find(possible.begin(), possible.end(), step) == possible.end()) return false;
  const auto before = dataFiles();
  const int32_t screenBefore = screenInView();
  const bool clean = !edited_;
  const int activations = [this] {
    int n = 0;
    pad.withFirmware([&n](SimulatedPadFirmware& firmware) { n = firmware.activations; });
    return n;
  }();
  story_.push_back(stepName(step) + " on screen " + std::to_string(screenBefore) + ", slot " +
                   std::to_string(state().currentSlot));
  if (!run(step)) return false;
  if (edits(step)) edited_ = true;
  checkInvariants(step, before, screenBefore, clean);
  if (step == Step::Activate) {
    int now = activations;
    waitFor([&] {
      pad.withFirmware([&now](SimulatedPadFirmware& firmware) { now = firmware.activations; });
      return now > activations;
    });
    if (now > activations) checkPadHoldsFiles();
  }
  return true;
}

bool Journey::run(Step step) {
  const int32_t screen = screenInView();
  const int id = controlOf(step, screen);
  switch (step) {
    case Step::TypeSensitivity:
    case Step::StickSensitivity: {
      auto* field = control<QLineEdit>(page(screen), id);
      typeInto(field, otherSensitivity(field->text()));
      pendingOn_ = screen;
      break;
    }
    case Step::CaptureKey: {
      auto& buttons = page(kButtonScreen);
      const auto& [evdev, key] = kKeys[story_.size() % std::size(kKeys)];
      QTest::mouseClick(&buttons, Qt::LeftButton, {}, kButtonCells[0].anchor + QPoint(100, 20));
      QWidget* target = QApplication::focusWidget() ? QApplication::focusWidget() : &buttons;
      QKeyEvent press(QEvent::KeyPress, key, {}, static_cast<quint32>(evdev + 8), 0, 0);
      QKeyEvent release(QEvent::KeyRelease, key, {}, static_cast<quint32>(evdev + 8), 0, 0);
      QApplication::sendEvent(target, &press);
      QApplication::sendEvent(target, &release);
      pendingOn_ = screen;
      break;
    }
    case Step::LoadProfile: {
      PlainList& list = *static_cast<ProfileListScreen&>(page(screen)).list();
      if (list.count() == 0) break;
      QWidget* viewport = list.viewport();
      const QPoint row = list.visualItemRect(list.item(static_cast<int>(story_.size()) % list.count())).center();
      QTest::mouseClick(viewport, Qt::LeftButton, {}, row);
      QTest::mouseDClick(viewport, Qt::LeftButton, {}, row);
      break;
    }
    case Step::Language: {
      const int flags[] = {GeneralScreen::kEnglish, GeneralScreen::kFrench, GeneralScreen::kGerman,
                           GeneralScreen::kNederlands, GeneralScreen::kSpanish, GeneralScreen::kItalian,
                           GeneralScreen::kPortuguese};
      click(page(screen), flags[(state().language + 1) % kLanguageCount]);
      break;
    }
    case Step::Layout: {
      const int layouts[] = {GeneralScreen::kAzertyButton, GeneralScreen::kQwertyButton,
                             GeneralScreen::kQwertySpButton, GeneralScreen::kQwertzuButton};
      click(page(screen), layouts[(state().currentKeyboardLayout() + 1) % 4]);
      break;
    }
    case Step::CloseRequest: {
      QCloseEvent close;
      QApplication::sendEvent(&window(), &close);
      break;
    }
    case Step::Unplug:
      unplug();
      break;
    case Step::GraceEnds:
      timer.fire();
      break;
    case Step::Replug:
      plugAndWaitForProfiles();
      break;
    default:
      click(page(screen), id);
      break;
  }
  settle();
  // Leaving a screen takes what was typed; a slot tab or a save fills it again.
  const bool refills = (step >= Step::Tab1 && step <= Step::Tab4) || step == Step::Save;
  if (screenInView() != screen || refills) pendingOn_ = 0;
  return true;
}

void Journey::checkInvariants(Step step, const std::map<std::string, std::string>& before,
                              int32_t screenBefore, bool clean) {
  if (!saves(step)) {
    const auto after = dataFiles();
    for (const auto& [path, bytes] : after) {
      const auto old = before.find(path);
      if (old == before.end() || old->second != bytes) failure_ += "(a) " + path + " changed without a save\n";
    }
    for (const auto& [path, bytes] : before) {
      if (!after.count(path)) failure_ += "(a) " + path + " went without a save\n";
    }
  }
  const bool quitPath = step == Step::Quit || (step == Step::CloseRequest && screenBefore >= kHomeScreen &&
                                               screenBefore <= kGeneralScreen);
  if (quitPath && clean && screenInView() != kQuitPromptScreen) {
    failure_ += "(b) Quit with nothing edited led to screen " + std::to_string(screenInView()) + "\n";
  }
  checkScreenShowsSlot();
}

void Journey::checkScreenShowsSlot() {
  const int32_t screen = screenInView();
  const int index = state().currentSlot - 1;
  if (screen == pendingOn_ || index < 0 || index >= kSlotCount) return;
  const auto s = static_cast<std::size_t>(index);
  const auto& values = app().library().editValues[s];
  const QString name = QString::fromStdString(state().slotNames[s]);
  const QString sensitivity = QString::number(static_cast<int>(values[ProfileIndex::sensitivity1]));
  const auto expect = [this](bool holds, const std::string& what) {
    if (!holds) failure_ += "(c) " + what + "\n";
  };
  switch (screen) {
    case kHomeScreen:
      expect(control<QLabel>(page(screen), HomeScreen::kNameLabel)->text() == name, "home name label");
      expect(control<QLineEdit>(page(screen), HomeScreen::kSensitivity1)->text() == sensitivity,
             "home sensitivity " + control<QLineEdit>(page(screen), HomeScreen::kSensitivity1)->text().toStdString() +
                 " for " + sensitivity.toStdString());
      break;
    case kStickScreen:
      expect(control<QLabel>(page(screen), StickScreen::kNameLabel)->text() == name, "stick name label");
      expect(control<QLineEdit>(page(screen), StickScreen::kSensitivity1)->text() == sensitivity,
             "stick sensitivity");
      break;
    case kButtonScreen: {
      auto& buttons = static_cast<ButtonScreen&>(page(screen));
      expect(control<QLabel>(page(screen), ButtonScreen::kNameLabel)->text() == name, "button name label");
      const int code = keyToUsage(state().currentKeyboardLayout(), buttons.cellKey(0));
      expect(code == static_cast<int>(values[static_cast<std::size_t>(kFirstCode)]),
             "first button shows code " + std::to_string(code));
      break;
    }
    default:
      break;
  }
}

void Journey::checkPadHoldsFiles() {
  ProfileLibrary reader;
  reader.basePath = app().library().basePath;
  std::array<SimulatedSlot, kSlotCount> stored;
  pad.withFirmware([&stored](SimulatedPadFirmware& firmware) { stored = firmware.slots; });
  for (int i = 0; i < kSlotCount; ++i) {
    const auto s = static_cast<std::size_t>(i);
    const std::string& name = state().slotNames[s];
    if (stored[s].name != name) failure_ += "(d) the pad's slot " + std::to_string(i + 1) + " is named " + stored[s].name + "\n";
    if (!reader.loadProfileIntoSlot(0, name) ||
        std::memcmp(reader.savedValues[0].data(), stored[s].values.data(), sizeof(ProfileRecord)) != 0) {
      failure_ += "(d) the pad's slot " + std::to_string(i + 1) + " differs from the file " + name + "\n";
    }
  }
}

std::map<std::string, std::string> Journey::dataFiles() const {
  std::map<std::string, std::string> files;
  QDirIterator it(programFolder(), QDir::Files, QDirIterator::Subdirectories);
  while (it.hasNext()) {
    const QString path = it.next();
    if (path.contains(QStringLiteral("/res/"))) continue;
    QFile file(path);
    if (file.open(QIODevice::ReadOnly)) files[path.toStdString()] = file.readAll().toStdString();
  }
  return files;
}

void Journey::walk(std::initializer_list<Step> steps) {
  for (Step step : steps) {
    if (!take(step)) {
      ADD_FAILURE() << stepName(step) << " cannot be taken on screen " << screenInView() << "\n" << storyText();
      return;
    }
    if (!failure_.empty()) {
      ADD_FAILURE() << failure_ << storyText();
      return;
    }
  }
}

void Journey::finish() {
  for (int moves = 0; moves < 12 && failure_.empty(); ++moves) {
    switch (screenInView()) {
      case kQuitPromptScreen: return;
      case kSavePromptScreen: take(Step::PromptNo); break;
      case kHomeScreen: take(Step::Quit); break;
      case kStickScreen: case kButtonScreen: case kGeneralScreen: take(Step::Home); break;
      case kNameListScreen: case kControllerListScreen: take(Step::ListCancel); break;
      default:
        if (!take(Step::Replug)) take(Step::GraceEnds);
        break;
    }
  }
  if (failure_.empty()) failure_ = "(e) the quit prompt was not reached from screen " +
                                   std::to_string(screenInView()) + "\n";
}

std::string Journey::storyText() const {
  std::ostringstream text;
  text << "journey:\n";
  for (const std::string& line : story_) text << "  " << line << "\n";
  return text.str();
}

}  // namespace ostrel::test

namespace ostrel::test {
namespace {

// The steps on a fresh program, each taken where it can be; returns the
// failure and leaves the steps actually taken in taken.
std::string replay(const std::vector<Step>& steps, std::vector<Step>& taken) {
  Journey journey;
  journey.begin();
  for (Step step : steps) {
    if (journey.take(step)) taken.push_back(step);
    if (!journey.failure().empty()) return journey.failure();
  }
  journey.finish();
  return journey.failure();
}

}  // namespace

std::vector<Step> randomJourney(const RandomRun& run, std::string& failure) {
  std::mt19937 random(run.seed);
  std::vector<Step> taken;
  {
    Journey journey;
    journey.begin();
    for (int i = 0; i < run.steps && journey.failure().empty(); ++i) {
      const std::vector<Step> possible = journey.possibleSteps();
      const Step step = possible[random() % possible.size()];
      if (journey.take(step)) taken.push_back(step);
    }
    if (journey.failure().empty()) journey.finish();
    failure = journey.failure();
  }
  if (failure.empty()) return {};
  // The shortest journey that still fails: leave out one step at a time.
  for (std::size_t i = taken.size(); i-- > 0;) {
    std::vector<Step> candidate = taken;
    candidate.erase(candidate.begin() + static_cast<std::ptrdiff_t>(i));
    std::vector<Step> replayed;
    const std::string still = replay(candidate, replayed);
    if (still.empty()) continue;
    taken = replayed;
    failure = still;
    i = std::min(i, taken.size());
  }
  return taken;
}

}  // namespace ostrel::test
