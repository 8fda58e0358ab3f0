// libFuzzer target: any bytes given to the DfuSe file reader are either
// refused or parsed into a file that writes back to the same bytes.

#include "dfu/DfuseFile.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  ostrel::DfuseFile file;
  if (ostrel::DfuseFile::parse({data, size}, file) != ostrel::DfuseFileError::none) return 0;
  const std::vector<uint8_t> again = file.serialise();
  ostrel::DfuseFile reread;
  if (ostrel::DfuseFile::parse(again, reread) != ostrel::DfuseFileError::none) std::abort();
  if (reread.images.size() != file.images.size() || reread.vendor != file.vendor) std::abort();
  return 0;
}
