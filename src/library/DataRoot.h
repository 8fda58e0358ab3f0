#pragma once
// Where the data folders (Myprofile/, Keltoprofile/, Downloadprofile/,
// Version/) live.

#include <string>

namespace ostrel {

// programFolder is the executable's folder; userDataFolder is the per-user
// data folder the application gets from its toolkit. A program that has res/
// beside it (build tree, Windows, portable copy) keeps its data there;
// otherwise (installed) in userDataFolder. The result ends with a path
// separator, ready to be used as ProfileLibrary::basePath.
std::string chooseDataRoot(const std::string& programFolder, const std::string& userDataFolder);

}  // namespace ostrel
