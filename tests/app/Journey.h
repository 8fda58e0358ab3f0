#pragma once
// Whole-program journeys: the program on a simulated pad whose four slots
// differ, driven as a person drives it (clicks at control ids, typed text,
// keys, unplugging and replugging the pad, answers to prompts), with the
// invariants that no single screen's test can see checked after every step:
//  (a) a profile file, the slot list or an index changes only through a step
//      that saves;
//  (b) in a journey without edits, Quit leads to the quit prompt;
//  (c) the screen in view shows the current slot as AppState and the library
//      hold it, unless the person has typed into it since it was filled;
//  (d) after activation the pad stores exactly the four slots' files;
//  (e) (at the end, by finish()) the quit prompt can be reached.
//
// Every step a person can take is one entry of the step table (Journey.cpp):
// a new screen adds its steps there, and the randomized journeys use them.

#include <map>
#include <random>
#include <string>
#include <vector>

#include "AppHarness.h"

namespace ostrel::test {

enum class Step {
  Tab1, Tab2, Tab3, Tab4, GeneralTab, Aim, Key, Home,
  TypeSensitivity, StickSensitivity, CaptureKey, SwitchOff, SwitchOn,
  Save, ResetLower, ResetUpper, Activate, Quit, PromptYes, PromptNo, QuitPromptNo,
  MyProfiles, LoadProfile, ListCancel, PadProfiles,
  Language, Layout, CloseRequest, Unplug, GraceEnds, Replug,
};

std::string stepName(Step step);

class Journey : public AppHarness {
 public:
  // The program started with the pad's four differing slots filed, past Next,
  // on the home screen of slot 1.
  void begin();
  // Takes one step if it can be taken where the program is (false if not),
  // then checks the invariants.
  bool take(Step step);
  // Takes each step; a step that cannot be taken fails the test.
  void walk(std::initializer_list<Step> steps);
  // (e): from wherever the journey ended, the quit prompt within a few steps.
  void finish();

  // The steps that can be taken now.
  std::vector<Step> possibleSteps();
  // The profile screen in view, 0 for none (the not-connected screen or the
  // first screen).
  int32_t screenInView();

  // The invariants broken so far, empty while none is.
  const std::string& failure() const { return failure_; }

  // What happened: one line per step taken, for a failure's message.
  const std::vector<std::string>& story() const { return story_; }
  std::string storyText() const;

  // The pad's four slots as the journey plugs it.
  static SimulatedSlot padSlot(int index);
  // The bytes of every file of the data folders, by path.
  std::map<std::string, std::string> dataFiles() const;

 private:
  bool run(Step step);
  bool edits(Step step) const;
  bool saves(Step step) const;
  // Plugs the pad in, answering, and waits until its four profiles are filed.
  void plugAndWaitForProfiles();
  static bool sameBits(float a, float b);
  void checkInvariants(Step step, const std::map<std::string, std::string>& before, int32_t screenBefore,
                       bool quitFromClean);
  void checkScreenShowsSlot();
  void checkPadHoldsFiles();
  QWidget& page(int32_t screen) { return *container().page(screen); }

  std::vector<std::string> story_;
  std::string failure_;
  bool edited_ = false;       // an edit step since the journey began
  int32_t pendingOn_ = 0;     // the screen typed into since it was filled
};

// A seeded run of random steps; on a failure, the shortest prefix of the
// journey that still fails is reported with the seed.
struct RandomRun {
  unsigned seed = 1;
  int steps = 200;
};
// Set by the test program's --seed=N and --steps=N (a longer run by hand).
extern RandomRun* requestedRandomRun;
// Runs the journey; returns the steps taken (empty on success) of the first
// failure, reduced.
std::vector<Step> randomJourney(const RandomRun& run, std::string& failure);

}  // namespace ostrel::test
