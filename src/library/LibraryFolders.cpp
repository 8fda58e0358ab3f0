#include "library/LibraryFolders.h"

namespace ostrel {

bool isMakerName(std::string_view name) {
  return name.substr(0, 5) == "kelto" || name.substr(0, 5) == "Kelto";
}

const char* folderOf(std::string_view name) {
  return isMakerName(name) ? kMakerFolder : kMyFolder;
}

std::string profilePath(std::string_view name) {
  std::string path = folderOf(name);
  path += name;
  path += kProfileExtension;
  return path;
}

std::string indexPathOf(std::string_view name) {
  return std::string(folderOf(name)) + kIndexFile;
}

}  // namespace ostrel
