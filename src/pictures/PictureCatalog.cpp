#include "pictures/PictureCatalog.h"

#include <cstdio>

#include "profile/AppState.h"

namespace ostrel {
namespace {

using K = PictureKind;

constexpr FolderSet kEnglish = 1 << 0;
constexpr FolderSet kFrench = 1 << 1;
constexpr FolderSet kGerman = 1 << 2;
constexpr FolderSet kSpanish = 1 << 4;

void add(std::vector<PictureEntry>& list, std::string name, int w, int h, K kind,
         FolderSet folders = kEveryLanguage) {
  list.push_back({std::move(name), w, h, kind, folders});
}

// name + number + suffix for numbered series ("help_01.png", "F12.png").
std::string numbered(const char* prefix, int n, const char* suffix, int digits = 1) {
  char buffer[64];
  std::snprintf(buffer, sizeof buffer, "%s%0*d%s", prefix, digits, n, suffix);
  return buffer;
}

void addShared(std::vector<PictureEntry>& list) {
  add(list, "Screen1.jpg", 1280, 720, K::Background, kSharedFolder);
  add(list, "next.png", 48, 48, K::Button, kSharedFolder);
  add(list, "Master.png", 385, 64, K::Button, kSharedFolder);
  for (const char* flag : {"lang-1-eng.png", "lang-2-fre.png", "lang-3-ger.png", "lang-4-ned.png",
                           "lang-5-esp.png", "lang-6-ita.png", "lang-7-por.png"})
    add(list, flag, 45, 29, K::Picture, kSharedFolder);
  add(list, "Tick-On.png", 30, 30, K::Picture, kSharedFolder);
  add(list, "Tick-Off.png", 30, 30, K::Picture, kSharedFolder);
  add(list, "combobox.png", 100, 100, K::Picture, kSharedFolder);
  add(list, std::string(kComboArrowPicture), 28, 28, K::Picture, kSharedFolder);
  add(list, std::string(kAppIconPicture), 256, 256, K::Picture, kSharedFolder);
}

void addScreenBackgrounds(std::vector<PictureEntry>& list) {
  for (const char* name : {"Screen-2.jpg", "Screen-3.jpg", "Screen-4.jpg", "Screen-5.jpg",
                           "Screen-6.jpg", "Screen-6a.jpg", "Screen-7.jpg", "Screen-8.jpg",
                           "Screen-9.jpg", "Screen-10.jpg", "Screen-11.jpg", "Screen-13.jpg",
                           "Screen-14a.jpg", "Screen-14b.jpg", "Screen-14c.jpg"})
    add(list, name, 1280, 720, K::Background);
  for (const char* name : {"Screen-15a.png", "Screen-15b.png", "Screen-15c.png"})
    add(list, name, 1280, 720, K::Overlay);
}

// Buttons and tabs that several screens share. The frame sizes keep every
// button inside the 1280 x 720 window and clear of its neighbours.
void addCommonButtons(std::vector<PictureEntry>& list) {
  add(list, "quit0.png", 123, 34, K::Button);  // centred at x 640 from 578
  add(list, "quit.png", 80, 36, K::Button);
  add(list, "home.png", 84, 48, K::Button);
  for (int slot = 1; slot <= 4; ++slot)
    add(list, numbered("profile", slot, "-uk.png"), 48, 135, K::Button);
  add(list, "General-uk.png", 48, 135, K::Button);
}

void addHomeScreen(std::vector<PictureEntry>& list) {
  for (const char* name : {"Screen2/Profiles-Controller.png", "Screen2/Profiles-My.png",
                           "Screen2/Profiles-Download.png", "Screen2/Profiles-Kelto.png"})
    add(list, name, 320, 104, K::Button);
  for (const char* name : {"Screen2/new.png", "Screen2/reset1.png", "Screen2/save1.png",
                           "Screen2/On.png", "Screen2/Off.png", "Screen2/reset2.png",
                           "Screen2/save2.png"})
    add(list, name, 120, 35, K::Button);
  add(list, "Screen2/Profile-Edit.png", 278, 47, K::Button);
  add(list, "Screen2/ProfileActivate.png", 275, 35, K::Button);
  add(list, "Screen2/website.png", 275, 35, K::Button);
  add(list, "Screen2/Screen2-aim.png", 285, 161, K::Button);
  add(list, "Screen2/Screen2-key.png", 285, 161, K::Button);
  add(list, "Screen2/Profiles-Downloaded.png", 483, 159, K::Picture);
  add(list, "Screen2/Profiles-NotStored.png", 483, 159, K::Picture);
}

void addGeneralScreen(std::vector<PictureEntry>& list) {
  for (const char* flag : {"uk", "fr", "gr", "nd", "es", "it", "po"})
    add(list, std::string("Screen3/") + flag + "-flag.png", 46, 28, K::Button);
  // Layout buttons start at x 249, 328, 410 and 508: each takes the room up to the next.
  add(list, "Screen3/keyboard-fr.png", 76, 28, K::Button);
  add(list, "Screen3/keyboard-uk.png", 78, 28, K::Button);
  add(list, "Screen3/keyboard-sp.png", 94, 28, K::Button);
  add(list, "Screen3/keyboard-gr.png", 92, 28, K::Button);
  // LED modes at y 364 end above the reset and save buttons at y 404.
  for (const char* mode : {"off", "slow", "med", "quick"})
    add(list, std::string("Screen3/LED-") + mode + ".png", 79, 36, K::Button);
  add(list, "Screen3/reset.png", 141, 34, K::Button);
  add(list, "Screen3/save.png", 141, 34, K::Button);
  add(list, "Screen3/calibrate.png", 265, 34, K::Button);
  add(list, "Screen3/firmwareupdate.png", 265, 34, K::Button);
  add(list, "Screen3/website.png", 270, 34, K::Button);
  add(list, "Screen3/Point.png", 16, 16, K::Picture);
}

void addStickScreen(std::vector<PictureEntry>& list) {
  add(list, "Screen4/lock.png", 28, 28, K::Button);
  add(list, "Screen4/reset1.png", 141, 34, K::Button);
  add(list, "Screen4/slider.png", 108, 18, K::Picture);
  for (int point = 1; point <= 13; ++point)
    add(list, numbered("Help/help_", point, ".png", 2), 483, 164, K::Picture);
}

// The 24 control pictures, in cell order of the button screen.
constexpr const char* kControlPictures[] = {
    "A-Button.png",      "X-Button.png",      "Y-Button.png",     "B-Button.png",
    "DPad-Up.png",       "DPad-R.png",        "DPad-Dwn.png",     "DPad-L.png",
    "R-Bumper.png",      "ZR-Trigger.png",    "L-Bumper.png",     "ZL-Trigger.png",
    "L-Stick-Up.png",    "L-Stick-R.png",     "L-Stick-Dwn.png",  "L-Stick-L.png",
    "R-Stick-Click.png", "L-Stick-Click.png", "M1-Shortcut.png",  "M2-Shortcut.png",
    "M3-Shortcut.png",   "M4-Shortcut.png",   "S1-Button.png",    "S2-Button.png",
};

void addButtonScreen(std::vector<PictureEntry>& list) {
  add(list, "Screen5/reset.png", 141, 34, K::Button);
  add(list, "Screen5/save.png", 141, 34, K::Button);
  add(list, "Screen5/On.png", 120, 35, K::Button);
  add(list, "Screen5/Off.png", 120, 35, K::Button);
  for (const char* name : {"azerty", "qwerty", "qwertysp", "qwertzu"})
    add(list, std::string("Screen5/") + name + ".png", 86, 18, K::Picture);
  add(list, "Screen5/Shortcuts-Off.png", 1208, 437, K::Picture);
  for (const char* name : kControlPictures)
    add(list, std::string("Screen5/") + name, 1208, 437, K::Picture);
}

void addKeyPictures(std::vector<PictureEntry>& list) {
  const FolderSet keys = keyPictureFolders();
  auto key = [&](const std::string& name, FolderSet folders) {
    add(list, "Screen5/" + name, 80, 40, K::Picture, folders);
  };
  for (const char* name : {"Mouse-L.png", "Mouse-R.png", "Mouse-3.png", "Mouse-4.png",
                           "Mouse-5.png", "Mouse-WU.png", "Mouse-WD.png", "PScr.png",
                           "Pause.png", "enter.png", "esc.png", "backspace.png", "tab.png",
                           "capslock.png", "numlock.png", "insert.png", "page-up.png",
                           "page-down.png", "delete.png", "end.png", "home.png", "arrow_r.png",
                           "arrow_d.png", "arrow_l.png", "arrow_u.png", "space.png", "shift.png",
                           "ctrl.png", "alt.png", "windowst.png", "apps.png"})
    key(name, keys);
  for (int f = 1; f <= 12; ++f) key(numbered("F", f, ".png"), keys);
  for (int n = 1; n <= 7; ++n) key(numbered("FR-", n, ".png"), kFrench);
  for (int n = 0; n <= 6; ++n) key(numbered("DE_", n, ".png"), kGerman);
  for (int n = 1; n <= 7; ++n) key(numbered("ES_", n, ".png"), kSpanish);
}

void addDialogs(std::vector<PictureEntry>& list) {
  add(list, "Screen6/cancel.png", 42, 30, K::Button);
  add(list, "Screen6/save.png", 141, 34, K::Button);
  add(list, "Screen6/warning.png", 429, 48, K::Picture);
  add(list, "Screen6/warning2.png", 429, 48, K::Picture);
  add(list, "Screen6/Profile-Delete.png", 502, 48, K::Picture);
  // One size for the quit prompt, the save prompt and the delete prompts.
  add(list, "Screen7/quityes.png", 125, 36, K::Button);
  add(list, "Screen7/quitno.png", 125, 36, K::Button);
}

void addOnlineScreens(std::vector<PictureEntry>& list) {
  for (const char* name : {"contacting", "nocontroller", "firmware-update", "updating", "recover",
                           "no-internet", "update-notneeded", "failed-update", "success-update",
                           "success-recover"})
    add(list, std::string("Screen8/") + name + ".png", 499, 283, K::Picture);
  for (const char* name : {"ok", "yes", "no", "Download"})
    add(list, std::string("Screen8/") + name + ".png", 125, 36, K::Button);
  for (int frame = 0; frame <= 10; ++frame)
    add(list, numbered("Screen8/downloading_", frame, ".png", 2), 368, 47, K::Picture);
  add(list, "Screen8/Download-Successful.png", 368, 47, K::Picture);
}

std::vector<PictureEntry> buildCatalog() {
  std::vector<PictureEntry> list;
  addShared(list);
  addScreenBackgrounds(list);
  addCommonButtons(list);
  addHomeScreen(list);
  addGeneralScreen(list);
  addStickScreen(list);
  addButtonScreen(list);
  addKeyPictures(list);
  addDialogs(list);
  addOnlineScreens(list);
  return list;
}

}  // namespace

FolderSet languageBit(int language) {
  return language >= 0 && language < kLanguageCount ? FolderSet(1u << language) : 0;
}

FolderSet keyPictureFolders() { return kEnglish | kFrench | kGerman | kSpanish; }

std::vector<std::string> PictureEntry::paths() const {
  if (folders == kSharedFolder) return {"res/" + name};
  std::vector<std::string> result;
  for (int language = 0; language < kLanguageCount; ++language)
    if (folders & languageBit(language)) result.push_back(languageFolder(language) + name);
  return result;
}

std::span<const char* const> controlPictureNames() { return kControlPictures; }

std::span<const PictureEntry> pictureCatalog() {
  static const std::vector<PictureEntry> catalog = buildCatalog();
  return catalog;
}

const PictureEntry* findPicture(std::string_view name) {
  for (const PictureEntry& entry : pictureCatalog())
    if (entry.name == name) return &entry;
  return nullptr;
}

}  // namespace ostrel
