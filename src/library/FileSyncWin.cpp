#include "library/FileSync.h"

#include <windows.h>

namespace ostrel {

bool syncFile(const std::filesystem::path& file) {
  // FlushFileBuffers needs a handle opened for writing; nothing is written.
  const HANDLE handle = ::CreateFileW(file.c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                      OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (handle == INVALID_HANDLE_VALUE) return false;
  const bool synced = ::FlushFileBuffers(handle) != 0;
  ::CloseHandle(handle);
  return synced;
}

// NTFS journals its folder entries: a finished rename survives a power loss.
void syncFolder(const std::filesystem::path&) {}

}  // namespace ostrel
