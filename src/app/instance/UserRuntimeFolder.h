#pragma once
// The folder for the user's run-time files (the instance lock) on POSIX
// systems: the session's run-time folder when the session has one, else a
// private folder of the user's own below the shared temporary folder.

#include <filesystem>
#include <optional>
#include <string>

namespace ostrel {

// runtimeDir is the session's run-time folder (XDG_RUNTIME_DIR, may be null);
// it is used when it is an absolute path to a folder. Otherwise the folder is
// sharedTemp/ostrel-controller-<uid>, created for this user alone; one that
// is a link, belongs to someone else or is open to others is refused, since
// another user could then hold or remove the lock. nullopt with problem set
// when no folder can be had.
std::optional<std::filesystem::path> userRuntimeFolder(const char* runtimeDir,
                                                       const std::filesystem::path& sharedTemp,
                                                       std::string& problem);

}  // namespace ostrel
