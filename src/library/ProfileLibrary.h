#pragma once
// The profile library: the data folders below basePath, the profile files
// (scrambled ".klt" bodies of one value per line), the two name indexes, the
// slot list, the version file and the downloaded-profile list, and the
// per-slot value tables.
//
// Folders below basePath: "Myprofile/" (the user's profiles, "Name.klt",
// "Profile.klt"), "Keltoprofile/" (the maker's profiles, "Name.klt"),
// "Downloadprofile/" (the server's list), "Version/" ("version.klt").
// A name whose first five bytes are "kelto" or "Kelto" lives in
// "Keltoprofile/", every other name in "Myprofile/".
//
// Names are byte strings, compared byte for byte. The pad's names and the
// names people type are Windows-1252 text; the library never converts them.
// The GUI is the one place that converts: it decodes with a Windows-1252
// codec when it shows a name and encodes with it when it reads a typed one.
//
// Slots are 0..3 in every call (pad slot 1 is slot 0).
//
// Safety: every operation that builds a path from a name first checks it with
// isSafeName (library/SafeName.h); an unsafe name makes the operation do
// nothing and return false (a load still puts the defaults into the slot), so
// nothing outside the data folders, and none of the library's own files, is
// ever created, read, replaced or deleted through a name. Every rewrite goes through a temporary file in the
// same folder that is renamed over the old one (library/AtomicFile.h): a file
// on disk is always whole, old or new, and a profile file is never left plain.
//
// Threading: every operation takes one recursive lock, so the link's thread
// may file received profiles while the screens use the library. The public
// tables are read and written directly by their owners (the user-interface
// thread); code on another thread that reads them holds mutex() meanwhile.
//
// Results: no exception leaves an operation. A bool result is true when the
// operation did its work; false when it was refused (unsafe name, slot outside
// 0..3), found nothing to work on, or failed to read or write a file.

#include <array>
#include <cstdint>
#include <functional>
#include <mutex>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "library/AtomicFile.h"

namespace ostrel {

inline constexpr int kNameCapacity = 1000;
inline constexpr int kSavedCapacity = 200;
inline constexpr int kEditCapacity = 1000;
inline constexpr int kLibrarySlots = 4;

class ProfileLibrary {
 public:
  ProfileLibrary();
  virtual ~ProfileLibrary();
  ProfileLibrary(const ProfileLibrary&) = delete;
  ProfileLibrary& operator=(const ProfileLibrary&) = delete;

  // The data root, ending with a path separator ('/' here, '\\' on Windows);
  // every path is basePath + a relative path such as "Myprofile/Name.klt".
  std::string basePath;
  std::array<std::string, kNameCapacity> myNames;
  std::array<std::string, kNameCapacity> downloadNames;
  int32_t downloadCount = 0;
  // Both hold the defaults until a profile is loaded into the slot.
  std::array<std::array<float, kSavedCapacity>, kLibrarySlots> savedValues{};
  std::array<std::array<float, kEditCapacity>, kLibrarySlots> editValues{};
  std::array<std::array<float, kEditCapacity>, kLibrarySlots> padValues{};
  int32_t myCount = 0;
  uint32_t scrambleKey = 0;  // key of the last scramble or unscramble
  std::array<std::string, kNameCapacity> makerNames;
  int32_t makerCount = 0;

  // Held by every operation; hold it to read the tables from another thread.
  std::recursive_mutex& mutex() const { return lock_; }

  // Test seam: runs after a rewrite's temporary file is complete and before it
  // replaces the target; returning false simulates a crash at that moment.
  AtomicFile::BeforeReplace beforeReplace;

  // --- Profile file format ---
  // The built-in key value; its low byte is the key byte. Never changes.
  uint32_t deriveKey() const;
  // Turns the plain file at path into its stored form (a file already
  // scrambled gets scrambled again). False when the file is missing or cannot
  // be read or replaced.
  bool scrambleFile(const std::string& path);
  // Turns a stored file back into its plain form. False, leaving the file as
  // it was, when it cannot be read, is shorter than 5 bytes or has no valid
  // trailer (or cannot be replaced).
  bool unscrambleFile(const std::string& path);

  // --- Folders, indexes, slot list, version ---
  // True when an entry (file or folder) exists at path.
  bool fileExists(const std::string& path) const;
  // Creates the four folders and, if missing, "Version/version.klt" ("1.00"),
  // and removes what writes cut short by a crash left there; a folder that
  // cannot be made does not stop the others or the version file. Start-up only.
  // True when all four folders exist and can be written; otherwise problem()
  // holds a message for the person using the program.
  bool ensureFolders();
  // Empty, or why the data folder cannot be used (set by ensureFolders).
  const std::string& problem() const { return problem_; }
  // The last line of the version file, created with "1.00" when missing.
  std::string readVersion();
  // Makes text the whole version file. True when written.
  bool writeVersion(const std::string& text);
  // Fill myNames/myCount, makerNames/makerCount from the folders' "Name.klt"
  // (at most 1000 lines). True when the index was read; a missing index gives
  // count 0 and leaves the entries untouched.
  bool loadMyNames();
  bool loadMakerNames();
  // Fills downloadNames/downloadCount from "Downloadprofile/" + fileName; a
  // missing list is created holding "kai" (count 0). True when read.
  bool readDownloadList(const std::string& fileName);
  // Line slot of "Myprofile/Profile.klt" ("" past its end or on a read error);
  // when the slot list is missing, runs the first-run set-up and returns
  // "Default".
  std::string getSlotName(int slot);
  // Puts name on line slot of the slot list (first-run set-up when missing).
  // True when the name now stands on that line. A name holding a control
  // character is refused: it would break the list's lines.
  bool assignSlot(int slot, const std::string& name);

  // --- Profile operations ---
  // Makes the profile file from the defaults and appends the name to its
  // folder's index. False when the file exists already (nothing changes).
  bool createProfile(const std::string& name);
  // Deletes the profile file and every index line equal to name. True when
  // the file was deleted.
  bool deleteProfile(const std::string& name);
  // Reads the profile into savedValues[slot] and editValues[slot]; a missing
  // profile is made from the defaults (the tables get the defaults even when
  // it cannot be written). A refused name puts the defaults into the tables
  // and touches no file (false). True when the tables hold the profile and the
  // file is stored.
  bool loadProfileIntoSlot(int slot, const std::string& name);
  // Replaces line index of a user profile with valueText and stores its value
  // in both tables of the slot. Maker profiles are never changed (false); a
  // missing file is created empty (false). True when line index was replaced.
  bool setProfileValue(int slot, const std::string& name, int index,
                       const std::string& valueText);
  // Files padValues[slot] under name (creating the profile if needed) and
  // copies them into both tables. True when the file was written.
  bool storePadProfile(int slot, const std::string& name);
  // Writes editValues[slot] to the profile (creating it if needed) and copies
  // them into savedValues[slot]. True when the file was written.
  bool saveSlotAs(int slot, const std::string& name);
  // Copies the source profile byte for byte to "Myprofile/" + newName + ".klt"
  // and appends newName to "Myprofile/Name.klt" when that index exists.
  // False when the new file exists or the source is missing.
  bool copyProfile(const std::string& sourceName, const std::string& newName);
  // Lists a maker profile fetched into "Keltoprofile/" in its index, never
  // twice. True when the profile file exists and the index was written.
  bool registerMakerProfile(const std::string& name);
  // Appends name to the index of the folder its prefix selects.
  bool addNameToIndex(const std::string& name);
  // Rebuild an index from its folder's ".klt" files, moving files whose name
  // has (rebuildMyIndex) or lacks (rebuildMakerIndex) "kelto-" to the other
  // folder. True when the folder was listed and every index written.
  bool rebuildMyIndex();
  bool rebuildMakerIndex();

 private:
  // A profile body as lines, and whether it was stored scrambled.
  struct Body {
    std::vector<std::string> lines;
    bool scrambled = false;
  };
  using LineRule = std::function<void(std::size_t line, std::string& text)>;
  using NameTable = std::array<std::string, kNameCapacity>;

  bool ready() const;                         // basePath set
  bool ready(const std::string& name) const;  // and a safe name
  std::string at(const std::string& relative) const;
  bool exists(const std::string& relative) const;
  std::optional<std::string> readBytes(const std::string& relative) const;
  bool storeBytes(const std::string& relative, std::string_view bytes);
  std::optional<Body> readBody(const std::string& relative);
  bool storeBody(const std::string& relative, const std::vector<std::string>& lines);
  bool storeDefaultBody(const std::string& relative);
  bool rewriteBody(const std::string& relative, const LineRule& rule);
  bool fileSlotValues(int slot, const std::string& name, bool fromPad);
  void holdDefaults(int slot);  // the defaults into both tables of the slot
  bool appendToIndex(const std::string& indexPath, const std::string& name);
  bool loadNames(const char* folder, NameTable& names, int32_t& count);
  bool setUpFirstRun();
  bool moveFile(const std::string& from, const std::string& to);
  bool rebuildIndex(bool makerFolder);

  mutable std::recursive_mutex lock_;
  std::string problem_;
};

}  // namespace ostrel
