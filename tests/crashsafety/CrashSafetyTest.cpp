// A child process saves profiles in a loop and is killed with SIGKILL at
// random moments. After every kill each profile file holds the values it had
// before the write that was cut short or after it, whole and scrambled, and
// the slot list and both indexes hold whole names only.

#include <fcntl.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <optional>
#include <thread>

#include "LibraryTestFolder.h"
#include "SaveLoop.h"
#include "library/LibraryFolders.h"
#include "library/Scrambler.h"
#include "library/TextLines.h"
#include "library/ValueText.h"

namespace ostrel::testing {
namespace {

#if defined(__SANITIZE_THREAD__)
// Each fork of a ThreadSanitizer process is slow, and the loop has no threads
// to check: fewer kills there, the full count in the other builds.
constexpr int kKills = 100;
#else
constexpr int kKills = 500;
#endif
const std::vector<std::string> kMyNames = {"Default", "Alpha", "Bravo", "Charlie"};

// What the files should hold: profile values by loop name, and the slot list.
struct Model {
  std::array<std::vector<float>, kLoopNames.size()> profiles;
  std::vector<std::string> slots;
};

// A stored profile read back as the library reads it; nullopt when it is not
// scrambled, or a line is not the text of a value.
std::optional<std::vector<float>> readProfile(const fs::path& path) {
  const auto stored = AtomicFile::read(path);
  if (!stored) return std::nullopt;
  const auto body = unscrambleBytes(*stored, deriveScrambleKey());
  if (!body || (!body->empty() && !body->ends_with("\r\n"))) return std::nullopt;
  std::vector<float> values;
  for (const std::string& line : splitLines(*body)) {
    values.push_back(parseValue(line));
    if (formatValue(values.back()) != line) return std::nullopt;
  }
  return values;
}

// The writes announced on the pipe, and the one cut short (if any).
struct Journal {
  std::vector<SaveStep> finished;
  std::optional<SaveStep> cutShort;

  // Reads records until the pipe ends, or (untilFinished) one write finished.
  void read(int in, bool untilFinished) {
    SaveStep step;
    while (::read(in, &step, sizeof step) == static_cast<ssize_t>(sizeof step)) {
      if (step.op != SaveOp::Done) {
        cutShort = step;
      } else if (cutShort) {
        finished.push_back(*cutShort);
        cutShort.reset();
        if (untilFinished) return;
      }
    }
  }
};

class CrashSafety : public LibraryTest {
 protected:
  void SetUp() override {
    LibraryTest::SetUp();
    ASSERT_TRUE(lib->ensureFolders());
    ASSERT_EQ(lib->getSlotName(0), "Default");  // first run: slot list and "Default"
    for (const std::string& name : kLoopNames) ASSERT_TRUE(lib->createProfile(name));
    model = readModel();
  }

  fs::path profileFile(std::size_t name) const { return file(profilePath(kLoopNames[name])); }

  Model readModel() const {
    Model read;
    for (std::size_t n = 0; n < kLoopNames.size(); ++n) {
      read.profiles[n] = readProfile(profileFile(n)).value_or(std::vector<float>{});
    }
    read.slots = splitLines(readAll(file("Myprofile/Profile.klt")));
    return read;
  }

  // Starts the loop, kills it after pause, returns what it announced.
  Journal killAfter(std::chrono::microseconds pause, uint32_t seed) {
    int pipeEnds[2];
    EXPECT_EQ(::pipe(pipeEnds), 0);
    const pid_t child = ::fork();
    if (child == 0) {
      ::close(pipeEnds[0]);
      runSaveLoop(lib->basePath, pipeEnds[1], seed);
    }
    ::close(pipeEnds[1]);
    // The kill comes while the loop runs at its pace, not while it starts.
    Journal journal;
    journal.read(pipeEnds[0], true);
    std::this_thread::sleep_for(pause);
    EXPECT_EQ(::kill(child, SIGKILL), 0);
    int status = 0;
    EXPECT_EQ(::waitpid(child, &status, 0), child);
    EXPECT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL) << "the loop ended by itself";
    journal.read(pipeEnds[0], false);
    ::close(pipeEnds[0]);
    return journal;
  }

  // Each file must be what the finished writes made it, or what the write cut
  // short would have made it.
  void checkAfter(const Journal& journal, int kill) {
    for (const SaveStep& step : journal.finished) apply(step, model);
    Model after = model;
    if (journal.cutShort) apply(*journal.cutShort, after);
    const Model found = readModel();
    for (std::size_t n = 0; n < kLoopNames.size(); ++n) {
      ASSERT_FALSE(found.profiles[n].empty())
          << "kill " << kill << ": " << kLoopNames[n] << " unreadable";
      ASSERT_TRUE(found.profiles[n] == model.profiles[n] || found.profiles[n] == after.profiles[n])
          << "kill " << kill << ": " << kLoopNames[n] << " is neither old nor new";
    }
    ASSERT_TRUE(found.slots == model.slots || found.slots == after.slots) << "kill " << kill;
    checkIndex("Myprofile/Name.klt", kMyNames, kill);
    checkIndex("Keltoprofile/Name.klt", {kLoopNames[kMakerLoopName]}, kill);
    model = found;
  }

  void checkIndex(const std::string& index, const std::vector<std::string>& names, int kill) {
    ASSERT_TRUE(has(index)) << "kill " << kill << ": " << index << " missing";
    const std::string text = read(index);
    ASSERT_FALSE(text.ends_with("\n") || text.ends_with("\r")) << "kill " << kill << ": " << index;
    for (const std::string& line : splitLines(text)) {
      ASSERT_NE(std::find(names.begin(), names.end(), line), names.end())
          << "kill " << kill << ": " << index << " holds \"" << line << "\"";
    }
  }

  static void apply(const SaveStep& step, Model& target) {
    applyToProfile(step, target.profiles[step.name]);
    if (step.op == SaveOp::Assign && step.slot < target.slots.size()) {
      target.slots[step.slot] = kLoopNames[step.name];
    }
  }

  // Files of the data folders that are not the library's own.
  std::vector<std::string> strangers() const {
    std::vector<std::string> found;
    for (const auto& entry : fs::recursive_directory_iterator(data)) {
      const std::string name = entry.path().filename().string();
      if (!entry.is_directory() && !name.ends_with(".klt")) found.push_back(name);
    }
    return found;
  }

  Model model;
};

TEST_F(CrashSafety, EveryFileIsWholeAfterEachKill) {
  std::mt19937 random(20261210);
  std::uniform_int_distribution<int> pause(0, 2000);
  int cutShort = 0;
  int finished = 0;
  for (int kill = 0; kill < kKills; ++kill) {
    const Journal journal = killAfter(std::chrono::microseconds(pause(random)), kill + 1);
    cutShort += journal.cutShort ? 1 : 0;
    finished += static_cast<int>(journal.finished.size());
    checkAfter(journal, kill);
    if (HasFatalFailure()) return;
  }
  EXPECT_GT(cutShort, 0) << "no kill landed during a write";
  std::cout << kKills << " kills, " << finished << " writes finished, " << cutShort
            << " cut short, " << strangers().size() << " temporary files left\n";
}

// The same moment made certain: a rebuild stopped before its new index
// replaces the old one leaves the old one in place.
TEST_F(CrashSafety, RebuildCutShortKeepsTheOldIndex) {
  const std::string before = read("Myprofile/Name.klt");
  ASSERT_FALSE(before.empty());
  lib->beforeReplace = [](const fs::path&, const fs::path&) { return false; };
  EXPECT_FALSE(lib->rebuildMyIndex());
  EXPECT_EQ(read("Myprofile/Name.klt"), before);
}

TEST_F(CrashSafety, LeftoversOfCutWritesAreIgnoredAndCleanedAtStartUp) {
  for (int kill = 0; kill < 40; ++kill) killAfter(std::chrono::microseconds(kill * 50), kill + 1);
  // A write stopped between its finished temporary file and the rename.
  lib->beforeReplace = [](const fs::path&, const fs::path&) { return false; };
  EXPECT_FALSE(lib->saveSlotAs(0, "Alpha"));
  lib.reset();
  for (const std::string& name : strangers()) EXPECT_TRUE(name.starts_with(".~ostrel-")) << name;
  ASSERT_FALSE(strangers().empty());

  ProfileLibrary next;
  next.basePath = data.string() + separator;
  ASSERT_TRUE(next.rebuildMyIndex());
  ASSERT_TRUE(next.loadMyNames());
  std::vector<std::string> listed(next.myNames.begin(), next.myNames.begin() + next.myCount);
  std::sort(listed.begin(), listed.end());
  EXPECT_EQ(listed, (std::vector<std::string>{"Alpha", "Bravo", "Charlie", "Default"}));
  ASSERT_TRUE(next.ensureFolders());
  EXPECT_EQ(strangers(), std::vector<std::string>{});
  for (std::size_t n = 0; n < kLoopNames.size(); ++n) EXPECT_TRUE(readProfile(profileFile(n))) << n;
}

}  // namespace
}  // namespace ostrel::testing
