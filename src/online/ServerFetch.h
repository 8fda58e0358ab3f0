#pragma once
// The dialogue every server operation runs: log on, retrieve one file, say
// QUIT, close.

#include <filesystem>
#include <string>

#include "online/ServerSettings.h"

namespace ostrel {

enum class FetchResult {
  NoLogon,      // the server could not be reached or refused the logon
  NotReceived,  // logged on, but the file did not arrive whole; the local file is unchanged
  Received,     // the local file now holds the server's file
};

// quitAfterFailure: whether QUIT is still sent when the transfer failed.
FetchResult fetchFile(const ServerSettings& settings, const std::string& remotePath,
                      const std::filesystem::path& localPath, bool quitAfterFailure = true);

}  // namespace ostrel
