#include "online/ServerFetch.h"

#include "online/FtpConnection.h"

namespace ostrel {

FetchResult fetchFile(const ServerSettings& settings, const std::string& remotePath,
                      const std::filesystem::path& localPath, bool quitAfterFailure) {
  FtpConnection ftp(settings.timeouts);
  if (!ftp.logOn(settings.logonParams())) {
    ftp.closeControl();
    return FetchResult::NoLogon;
  }
  const bool received = ftp.transfer(remotePath, localPath, settings.passive, true);
  // The reply to QUIT is not awaited: the connection closes right after.
  if (received || quitAfterFailure) ftp.writeLine("QUIT");
  ftp.closeControl();
  return received ? FetchResult::Received : FetchResult::NotReceived;
}

}  // namespace ostrel
