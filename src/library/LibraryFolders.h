#pragma once
// The data folders and the rule that sends a profile name to one of them.

#include <string>
#include <string_view>

namespace ostrel {

inline constexpr char kMyFolder[] = "Myprofile/";
inline constexpr char kMakerFolder[] = "Keltoprofile/";
inline constexpr char kDownloadFolder[] = "Downloadprofile/";
inline constexpr char kVersionFolder[] = "Version/";
inline constexpr char kIndexFile[] = "Name.klt";
inline constexpr char kSlotListFile[] = "Profile.klt";
inline constexpr char kVersionFile[] = "Version/version.klt";
inline constexpr char kProfileExtension[] = ".klt";

// True when the first five bytes are exactly "kelto" or "Kelto".
bool isMakerName(std::string_view name);

// "Keltoprofile/" or "Myprofile/", as the name's prefix selects.
const char* folderOf(std::string_view name);

// Folder + name + ".klt", relative to the data root.
std::string profilePath(std::string_view name);

// Folder + "Name.klt" for the name's folder.
std::string indexPathOf(std::string_view name);

}  // namespace ostrel
