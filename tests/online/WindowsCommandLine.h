#pragma once
// A Windows command line that the C runtime's parser (and Wine's, for a Linux
// program) splits back into exactly the given words.

#include <string>
#include <vector>

namespace ostrel::test {

std::string windowsCommandLine(const std::vector<std::string>& words);

}  // namespace ostrel::test
