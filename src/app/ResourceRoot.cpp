#include "app/ResourceRoot.h"

#include <filesystem>
#include <system_error>

namespace ostrel {

std::string resourceRoot(const std::string& programFolder) {
  namespace fs = std::filesystem;
  const fs::path program = fs::path(programFolder).lexically_normal();
  std::error_code ec;
  if (fs::is_directory(program / "res", ec)) return (program / "").parent_path().string();
  return (program / ".." / "share" / "ostrel-controller").lexically_normal().string();
}

}  // namespace ostrel
