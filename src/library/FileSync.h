#pragma once
// Forces a file's bytes, or a folder's entries, onto the disk before the
// caller goes on: a replace by rename is then whole after a power loss too,
// not only after a crash of the program. The build picks the platform's file.

#include <filesystem>

namespace ostrel {

// True once the file's data is on the disk.
bool syncFile(const std::filesystem::path& file);

// Makes a rename inside folder durable; a platform that journals its folder
// entries itself needs nothing here.
void syncFolder(const std::filesystem::path& folder);

}  // namespace ostrel
