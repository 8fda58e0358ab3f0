#include "online/ServerSettings.h"

#include "online/BuiltInSettings.h"

namespace ostrel {

ServerSettings ServerSettings::builtIn() {
  ServerSettings settings;
  settings.address = kBuiltInFtpAddress;
  settings.password = kBuiltInFtpPassword;
  return settings;
}

LogonParams ServerSettings::logonParams() const {
  LogonParams params;
  params.host = address;
  params.port = port;
  params.user = user;
  params.password = password;
  return params;
}

}  // namespace ostrel
