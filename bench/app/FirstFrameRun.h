#pragma once
// Runs a Qt Widgets program offscreen until it has flushed its first whole
// 1280 x 720 frame (Qt's own painting log on standard error says so; the
// program is not changed for it), then ends it and what it started with
// SIGTERM.

#include <optional>
#include <string>
#include <vector>

namespace ostrel::bench {

struct FirstFrame {
  double seconds = 0;  // from the start of the process to the frame's flush
  long peakKb = 0;     // the process's peak resident memory
};

// arguments[0] is the program's path. environment: NAME=value entries that
// replace or add to this process's own.
std::optional<FirstFrame> runToFirstFrame(const std::vector<std::string>& arguments,
                                          const std::vector<std::string>& environment, std::string& problem);

}  // namespace ostrel::bench
