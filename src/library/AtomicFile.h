#pragma once
// Whole-file reads and crash-safe whole-file writes. A write goes to a
// temporary file in the target's folder, is flushed to the disk and closed,
// and is then renamed over the target: whoever looks at the target, after a
// crash or a power loss, sees the old bytes or the new ones, never a part.
// The temporary name never contains ".klt", so a leftover from a crash is
// never taken for a profile.

#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace ostrel {

class AtomicFile {
 public:
  // Runs between the finished temporary file and the rename. Returning false
  // stops there, as a crash would: the target keeps its old bytes and the
  // write reports failure. Meant for tests.
  using BeforeReplace = std::function<bool(const std::filesystem::path& temporary,
                                           const std::filesystem::path& target)>;

  // Replaces (or creates) target with bytes. False when nothing was replaced.
  static bool write(const std::filesystem::path& target, std::string_view bytes,
                    const BeforeReplace& beforeReplace = {});

  // For a writer that streams its bytes: a temporary name of its own beside
  // target, then replace() once the file there is complete and closed. The
  // file is forced to the disk before the rename; the temporary is removed
  // when nothing was replaced (unless beforeReplace stopped it, as a crash).
  static std::filesystem::path temporaryFor(const std::filesystem::path& target);
  static bool replace(const std::filesystem::path& temporary, const std::filesystem::path& target,
                      const BeforeReplace& beforeReplace = {});

  // The whole file as raw bytes; nullopt when it is missing or unreadable.
  static std::optional<std::string> read(const std::filesystem::path& path);

  // Removes from folder the temporary files of writes that a crash cut short,
  // downloads included (also those named as downloads once were).
  // Only for start-up, before anything in this process writes there.
  static void removeLeftovers(const std::filesystem::path& folder);

  // True when a file can be created in folder (a probe file is made and removed).
  static bool canWrite(const std::filesystem::path& folder);

  // A byte-string path (as the library builds them) as a file-system path.
  static std::filesystem::path pathOf(const std::string& text);
};

}  // namespace ostrel
