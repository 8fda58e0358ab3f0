#include "SaveLoop.h"

#include <unistd.h>

#include <random>

#include "library/ValueText.h"

namespace ostrel::testing {
namespace {

constexpr std::size_t kPatternLines = 166;

void send(int out, const SaveStep& step) {
  // A lost parent ends the loop (the write fails or SIGPIPE ends the child).
  if (::write(out, &step, sizeof step) != static_cast<ssize_t>(sizeof step)) _exit(3);
}

template <typename Table>
void fillPattern(Table& values, uint32_t generation) {
  for (std::size_t i = 0; i < kPatternLines; ++i) values[i] = loopValue(i, generation);
}

SaveStep chooseStep(std::mt19937& random, uint32_t generation) {
  SaveStep step;
  step.op = static_cast<SaveOp>(random() % static_cast<unsigned>(SaveOp::Done));
  step.name = static_cast<uint8_t>(random() % kLoopNames.size());
  if (step.op == SaveOp::SetValue) step.name = static_cast<uint8_t>(step.name % kMakerLoopName);
  step.slot = static_cast<uint8_t>(random() % kLibrarySlots);
  step.line = static_cast<uint8_t>(random() % kPatternLines);
  step.generation = generation;
  return step;
}

void perform(ProfileLibrary& library, const SaveStep& step) {
  const std::string& name = kLoopNames[step.name];
  switch (step.op) {
    case SaveOp::SaveAs:
      fillPattern(library.editValues[step.slot], step.generation);
      library.saveSlotAs(step.slot, name);
      break;
    case SaveOp::StorePad:
      fillPattern(library.padValues[step.slot], step.generation);
      library.storePadProfile(step.slot, name);
      break;
    case SaveOp::SetValue:
      library.setProfileValue(step.slot, name, step.line,
                              formatValue(loopValue(step.line, step.generation)));
      break;
    case SaveOp::Assign:
      library.assignSlot(step.slot, name);
      break;
    case SaveOp::Append:
      library.addNameToIndex(name);
      break;
    case SaveOp::Rebuild:
      library.rebuildMyIndex();
      break;
    case SaveOp::Done:
      break;
  }
}

}  // namespace

float loopValue(std::size_t line, uint32_t generation) {
  // Whole numbers below 2^24 stay exact through the "%.6f" text.
  return static_cast<float>(line + 200 * (generation % 40000));
}

void applyToProfile(const SaveStep& step, std::vector<float>& values) {
  if (step.op == SaveOp::SetValue) {
    if (step.line < values.size()) values[step.line] = loopValue(step.line, step.generation);
  } else if (step.op == SaveOp::SaveAs || step.op == SaveOp::StorePad) {
    for (std::size_t i = 0; i < values.size() && i < kPatternLines; ++i) {
      values[i] = loopValue(i, step.generation);
    }
  }
}

void runSaveLoop(const std::string& basePath, int out, uint32_t seed) {
  alarm(30);  // never outlives a test that lost track of it
  ProfileLibrary library;
  library.basePath = basePath;
  std::mt19937 random(seed);
  for (uint32_t generation = seed * 1000;; ++generation) {
    const SaveStep step = chooseStep(random, generation);
    send(out, step);
    perform(library, step);
    send(out, SaveStep{});
  }
}

}  // namespace ostrel::testing
