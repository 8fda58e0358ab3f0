#include "library/DataRoot.h"

#include <filesystem>
#include <system_error>

#include "library/AtomicFile.h"

namespace ostrel {

namespace {
bool endsWithSeparator(const std::string& folder) {
  if (folder.empty()) return false;
  const char last = folder.back();
  return last == '/' || last == static_cast<char>(std::filesystem::path::preferred_separator);
}

std::string withSeparator(std::string folder) {
  if (!endsWithSeparator(folder)) {
    folder += static_cast<char>(std::filesystem::path::preferred_separator);
  }
  return folder;
}
}  // namespace

std::string chooseDataRoot(const std::string& programFolder, const std::string& userDataFolder) {
  const std::string program = withSeparator(programFolder);
  std::error_code ec;
  if (userDataFolder.empty() || std::filesystem::is_directory(AtomicFile::pathOf(program + "res"), ec)) {
    return program;
  }
  return withSeparator(userDataFolder);
}

}  // namespace ostrel
