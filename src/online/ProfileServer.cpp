#include "online/ProfileServer.h"

#include <system_error>

#include "library/AtomicFile.h"
#include "library/LibraryFolders.h"
#include "library/SafeName.h"
#include "online/ServerFetch.h"

namespace ostrel {

int32_t downloadProfileList(const ServerSettings& settings, const std::string& basePath) {
  const auto local = AtomicFile::pathOf(basePath + kDownloadFolder + kIndexFile);
  std::error_code ignored;
  std::filesystem::remove(local, ignored);
  return fetchFile(settings, kServerProfileList, local) == FetchResult::NoLogon ? kListNotFetched
                                                                                : kListFetched;
}

int32_t downloadProfile(const ServerSettings& settings, const std::string& basePath,
                        const std::string& name) {
  if (!isSafeName(name)) return kProfileFailed;
  const std::string file = name + kProfileExtension;
  const auto local = AtomicFile::pathOf(basePath + kMakerFolder + file);
  return fetchFile(settings, kServerProfileFolder + file, local) == FetchResult::Received ? kProfileFetched
                                                                                         : kProfileFailed;
}

}  // namespace ostrel
