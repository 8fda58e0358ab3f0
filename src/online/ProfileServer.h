#pragma once
// The ready-made profiles on the maker's server: the list of what it offers,
// and one profile at a time into the maker library. Each returns the download
// screen's next state.

#include <cstdint>
#include <string>

#include "online/ServerSettings.h"

namespace ostrel {

// Download screen states these operations lead to.
inline constexpr int32_t kListFetched = 2;
inline constexpr int32_t kListNotFetched = 3;
inline constexpr int32_t kProfileFetched = 6;
inline constexpr int32_t kProfileFailed = 7;

inline constexpr const char* kServerProfileFolder = "Profiles_PX720_LT/";
inline constexpr const char* kServerProfileList = "Profiles_PX720_LT/profiles.klt";

// The local folders are the library's (LibraryFolders.h).

// Removes the local list ("Downloadprofile/Name.klt" below basePath, the data
// root ending with a path separator), then fetches the server's list there.
// kListFetched once logged on, even when the list itself did not arrive: the
// library then finds no list and shows an empty one.
int32_t downloadProfileList(const ServerSettings& settings, const std::string& basePath);

// Fetches "Keltoprofile/" + name + ".klt". kProfileFetched only when the file
// arrived whole; a name that is not a safe file name is never fetched
// (kProfileFailed, nothing is connected to).
int32_t downloadProfile(const ServerSettings& settings, const std::string& basePath,
                        const std::string& name);

}  // namespace ostrel
