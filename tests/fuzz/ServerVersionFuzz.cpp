// libFuzzer target: any text as the server's version file. The version read
// from it is a number a float holds; written back as a version text it reads
// as the same number (to the two decimals written), and that text never
// offers an update over itself.

#include <cmath>
#include <cstdlib>
#include <string>

#include "online/UpdateOffer.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string text(reinterpret_cast<const char*>(data), size);
  const float version = ostrel::versionNumber(text);
  if (std::isnan(version)) std::abort();
  ostrel::updateOffered(1.0f, text);
  if (!std::isfinite(version)) return 0;
  const std::string written = ostrel::formatVersion(version);
  const double reread = ostrel::versionNumber(written);
  if (std::fabs(reread - version) > 0.005 + std::fabs(version) * 1e-7) std::abort();
  if (ostrel::updateOffered(version, written)) std::abort();
  return 0;
}
