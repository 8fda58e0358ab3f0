#include "profile/AppState.h"

namespace ostrel {
namespace {

constexpr const char* kFolders[kLanguageCount] = {
    "res/English/", "res/French/",  "res/German/",    "res/Nederlands/",
    "res/Spanish/", "res/Italian/", "res/Portuguese/",
};
constexpr const char* kFlags[kLanguageCount] = {
    "res/lang-1-eng.png", "res/lang-2-fre.png", "res/lang-3-ger.png", "res/lang-4-ned.png",
    "res/lang-5-esp.png", "res/lang-6-ita.png", "res/lang-7-por.png",
};

bool validLanguage(int language) { return language >= 0 && language < kLanguageCount; }

}  // namespace

void AppState::resetToStartup() {
  windowX = 0;
  windowY = 150;
  LinkState = kNoPad;
  language = 0;
  resourceFolder = languageFolder(0);
  savedSlotOff.fill(0);
  slotOff.fill(0);
  keyboardLayout = {1, 0, 3, 1, 2, 1, 1};
}

int32_t AppState::currentKeyboardLayout() const {
  return keyboardLayout[validLanguage(language) ? language : 1];
}

const char* languageFolder(int language) {
  return validLanguage(language) ? kFolders[language] : "res/French/";
}

const char* languageFlag(int language) {
  return validLanguage(language) ? kFlags[language] : nullptr;
}

int32_t screenFor(int32_t screenId) {
  return screenId >= kHomeScreen && screenId <= kSaveNameScreen ? screenId : kHomeScreen;
}

}  // namespace ostrel
