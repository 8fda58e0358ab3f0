#include "online/FirmwareServer.h"

#include "library/AtomicFile.h"
#include "library/LibraryFolders.h"
#include "online/ServerFetch.h"
#include "online/UpdateOffer.h"

namespace ostrel {

bool VersionCheck::offersUpdate(float padFirmwareVersion, const std::string& serverText) const {
  return versionReceived && updateOffered(padFirmwareVersion, serverText);
}

VersionCheck checkVersion(const ServerSettings& settings, const std::string& basePath) {
  const FetchResult result =
      fetchFile(settings, kServerVersionFile, AtomicFile::pathOf(basePath + kVersionFile));
  if (result == FetchResult::NoLogon) return {kNoServer, false};
  return {kVersionChecked, result == FetchResult::Received};
}

int32_t downloadFirmware(const ServerSettings& settings, const std::string& basePath) {
  const FetchResult result = fetchFile(settings, kServerFirmwareFile,
                                       AtomicFile::pathOf(basePath + kLocalFirmwareFile), false);
  return result == FetchResult::Received ? kFirmwareReceived : kFirmwareFailed;
}

}  // namespace ostrel
