#pragma once
// A profile library in a temporary folder of its own ("ostrel-fuzz-..."), for
// fuzz targets whose parsers read files. The folder goes when the process
// ends normally; a crash leaves it for a look.

#include <filesystem>
#include <string>
#include <string_view>

#include "library/ProfileLibrary.h"

namespace ostrel::fuzz {

class FuzzLibrary {
 public:
  FuzzLibrary();
  ~FuzzLibrary();
  FuzzLibrary(const FuzzLibrary&) = delete;
  FuzzLibrary& operator=(const FuzzLibrary&) = delete;

  ProfileLibrary& library() { return library_; }
  // relative (e.g. "Myprofile/Name.klt") below the data root.
  std::filesystem::path at(const std::string& relative) const;
  void write(const std::string& relative, std::string_view bytes) const;
  // The file's bytes; empty when it is missing.
  std::string read(const std::string& relative) const;
  // Empties the data folders (the version file goes too), so every input
  // starts from the same library.
  void clear();

 private:
  std::filesystem::path dir_;
  ProfileLibrary library_;
};

// The process-wide library of one fuzz target.
FuzzLibrary& fuzzLibrary();

}  // namespace ostrel::fuzz
