// libFuzzer target: any bytes as the name indexes, the slot list, the
// downloaded-profile list and the version file. Each reads as its lines (at
// most 1000 names); naming a slot changes that line only; a name appended to
// an index and a profile made and deleted leave the other lines as they were.

#include <algorithm>
#include <cstdlib>

#include "FuzzLibrary.h"
#include "library/TextLines.h"

namespace {

using Lines = std::vector<std::string>;
using Table = std::array<std::string, ostrel::kNameCapacity>;

void check(bool holds) {
  if (!holds) std::abort();
}

void checkTable(const Table& names, int32_t count, const Lines& lines) {
  check(count == static_cast<int32_t>(std::min<std::size_t>(lines.size(), ostrel::kNameCapacity)));
  for (int32_t i = 0; i < count; ++i) check(names[i] == lines[i]);
}

std::string lineOr(const Lines& lines, int index) {
  return index >= 0 && static_cast<std::size_t>(index) < lines.size() ? lines[index] : "";
}

void checkSlotList(ostrel::ProfileLibrary& library, const Lines& lines) {
  for (int slot = -1; slot <= 5; ++slot) check(library.getSlotName(slot) == lineOr(lines, slot));
  const std::string name = "Slot two";
  check(library.assignSlot(1, name) == (lines.size() > 1));
  for (int slot = -1; slot <= 5; ++slot) {
    const bool renamed = slot == 1 && lines.size() > 1;
    check(library.getSlotName(slot) == (renamed ? name : lineOr(lines, slot)));
  }
}

void checkIndexChanges(ostrel::ProfileLibrary& library, Lines lines) {
  check(library.addNameToIndex("Fuzz"));
  lines.push_back("Fuzz");
  check(library.loadMyNames());
  checkTable(library.myNames, library.myCount, lines);

  check(library.createProfile("Fuzz2"));
  check(library.deleteProfile("Fuzz2"));
  lines.erase(std::remove(lines.begin(), lines.end(), "Fuzz2"), lines.end());
  check(library.loadMyNames());
  checkTable(library.myNames, library.myCount, lines);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  ostrel::fuzz::FuzzLibrary& fuzz = ostrel::fuzz::fuzzLibrary();
  fuzz.clear();
  const std::string text(reinterpret_cast<const char*>(data), size);
  for (const char* file : {"Myprofile/Name.klt", "Keltoprofile/Name.klt", "Myprofile/Profile.klt",
                           "Downloadprofile/list.txt", "Version/version.klt"})
    fuzz.write(file, text);
  const Lines lines = ostrel::splitLines(text);
  ostrel::ProfileLibrary& library = fuzz.library();

  check(library.loadMyNames() && library.loadMakerNames() && library.readDownloadList("list.txt"));
  checkTable(library.myNames, library.myCount, lines);
  checkTable(library.makerNames, library.makerCount, lines);
  checkTable(library.downloadNames, library.downloadCount, lines);
  check(library.readVersion() == (lines.empty() ? "" : lines.back()));
  checkSlotList(library, lines);
  checkIndexChanges(library, lines);
  return 0;
}
