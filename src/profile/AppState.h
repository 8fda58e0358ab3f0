#pragma once
// The run-time facts that the screens, the controller link and the firmware
// update share. One instance per run, created by the application and passed by
// reference.
//
// Threading: every field is read and written on the user-interface thread
// only. The link's reader threads decode answers and hand the resulting
// changes over through the dispatcher they are given, so no field needs a lock.
//
// Texts are 8-bit byte strings (the pad's names are Windows-1252); the GUI
// converts them when it shows or reads them.

#include <array>
#include <cstdint>
#include <string>

namespace ostrel {

inline constexpr int kSlotCount = 4;
inline constexpr int kLanguageCount = 7;

struct AppState {
  int32_t windowX = 0;
  int32_t windowY = 0;
  std::string programFolder;
  int32_t currentSlot = 0;     // 1..4; 0 before the first screen is left
  int32_t returnSlot = 0;
  int32_t returnPending = 0;   // 1 home, 2 stick, 3 button screen
  int32_t LinkState = 0;       // 0 none, 1 connected, 2 Xbox 360 mode, 3 DFU mode
  int32_t language = 0;        // 0..6
  std::array<std::string, kSlotCount> slotNames;
  std::array<std::string, kSlotCount> savedSlotNames;
  std::array<uint8_t, kSlotCount> savedSlotOff{};
  std::array<uint8_t, kSlotCount> slotOff{};
  uint8_t expectDetach = 0;
  uint8_t storedNotice = 0;
  std::array<int32_t, kSlotCount> slotPage{};   // 0 home, 1 stick, 2 buttons, 3 general
  std::array<int32_t, kLanguageCount> keyboardLayout{};
  int32_t saveReason = 0;
  int32_t ScreenId = 0;
  float padFirmwareVersion = 0.0f;
  int32_t pulseLevel = 0;
  int32_t pulseMode = 0;
  int32_t pulseValue = 0;
  int32_t pulseReceived = 0;
  std::string resourceFolder;
  std::array<uint8_t, 64> lastReport{};

  // The start-up values: window at 0,150, no pad, English, switches cleared,
  // the per-language keyboard layouts. The caller sets programFolder and the
  // slot names from the library.
  void resetToStartup();

  // The keyboard layout in force: keyboardLayout of the language. A language
  // outside 0..6 (a pad's profile can carry one) counts as French, as it does
  // for the picture folder.
  int32_t currentKeyboardLayout() const;
};

// Link states.
inline constexpr int32_t kNoPad = 0;
inline constexpr int32_t kPadConnected = 1;
inline constexpr int32_t kPadXbox360 = 2;
inline constexpr int32_t kPadDfu = 3;

// Language index to its picture folder ("res/English/" ...); any index outside
// 0..6 gives "res/French/".
const char* languageFolder(int language);

// Language index to the first screen's flag picture ("res/lang-1-eng.png" ...);
// nullptr outside 0..6.
const char* languageFlag(int language);

// Screen numbers of the profile container.
enum ScreenNumber : int32_t {
  kHomeScreen = 1,
  kStickScreen = 2,
  kButtonScreen = 3,
  kGeneralScreen = 4,
  kControllerListScreen = 5,
  kNameListScreen = 6,
  kDownloadScreen = 7,
  kMakerListScreen = 8,
  kSavePromptScreen = 9,
  kQuitPromptScreen = 10,
  kUpdateScreen = 11,
  kSaveNameScreen = 12,
};

// The screen a ScreenId selects: values outside 1..12 select the home screen.
int32_t screenFor(int32_t screenId);

}  // namespace ostrel
