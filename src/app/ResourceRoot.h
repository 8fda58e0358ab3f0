#pragma once
// Where the pictures live: the folder that holds res/.

#include <string>

namespace ostrel {

// programFolder is the executable's folder. res/ beside the executable (build
// tree, Windows, a portable copy) wins; otherwise the installed layout,
// programFolder/../share/ostrel-controller. The result has no trailing
// separator.
std::string resourceRoot(const std::string& programFolder);

}  // namespace ostrel
