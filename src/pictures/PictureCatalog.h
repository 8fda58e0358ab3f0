#pragma once
// Every picture file that the program's screens ask for, with the size each use
// needs and the folders it is looked up in. The picture generator draws exactly
// this list, and the screens take their sizes from it: screens added later add
// their pictures here rather than keeping a list of their own.

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace ostrel {

enum class PictureKind {
  Background,  // 1280 x 720 JPEG, drawn full window
  Overlay,     // 1280 x 720 PNG with alpha, laid over a screen
  Button,      // PNG strip of two frames side by side: normal, highlighted
  Picture,     // PNG drawn at its own size
};

// Which res/ folders hold a picture: bit i is the language folder of language
// index i (English 0 ... Portuguese 6); no bit set means res/ itself.
using FolderSet = std::uint8_t;
inline constexpr FolderSet kSharedFolder = 0;
inline constexpr FolderSet kEveryLanguage = 0x7F;
FolderSet languageBit(int language);
// The folders of the four keyboard layouts' key pictures (English, French,
// German, Spanish).
FolderSet keyPictureFolders();

struct PictureEntry {
  std::string name;  // relative to res/ or to a language folder, e.g. "Screen2/new.png"
  int width = 0;     // size of one use; a button's frame (the file is twice as wide)
  int height = 0;
  PictureKind kind = PictureKind::Picture;
  FolderSet folders = kEveryLanguage;

  int fileWidth() const { return kind == PictureKind::Button ? 2 * width : width; }
  // Paths relative to the program folder, one per folder: "res/English/Screen2/new.png".
  std::vector<std::string> paths() const;
};

std::span<const PictureEntry> pictureCatalog();

// The entry of a name, or nullptr; names are unique across the catalog.
const PictureEntry* findPicture(std::string_view name);

// The 24 control pictures of the button screen ("A-Button.png" ...), in the
// order of its cells; they live in each language folder's Screen5/.
std::span<const char* const> controlPictureNames();

// The application icon and the combo box's arrow (the bitmap the combo box of
// the stick screen draws at its right edge), both in res/.
inline constexpr std::string_view kAppIconPicture = "ostrel-controller.png";
inline constexpr std::string_view kComboArrowPicture = "combo-arrow.png";

}  // namespace ostrel
