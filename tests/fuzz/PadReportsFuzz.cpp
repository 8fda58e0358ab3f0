// libFuzzer target: any bytes as the pad's answers, cut into 64-byte reports
// (a shorter last one included, which only becomes the last report seen),
// read as the link's reader thread reads them and handed to the owner thread. Slot names stay usable as file names, the
// requests of the connection sequence stay within the four slots, and every
// profile that comes out encodes back to the packets it came from and is the
// one filed for its slot.

#include <cmath>
#include <cstdlib>
#include <cstring>
#include <deque>

#include "FuzzLibrary.h"
#include "library/SafeName.h"
#include "link/CommandReader.h"
#include "link/QueueDispatcher.h"

namespace {

using ostrel::Report;

void check(bool holds) {
  if (!holds) std::abort();
}

struct NoPause : ostrel::Sleeper {
  void sleepFor(std::chrono::milliseconds) override {}
};

bool sameBits(const ostrel::ProfileRecord& a, const ostrel::ProfileRecord& b) {
  return std::memcmp(a.data(), b.data(), sizeof(float) * a.size()) == 0;
}

// Bytes of a profile packet that carry values: the dropped padding bytes of
// each control group and the unused end of the control block carry none.
bool carriesValue(int packet, std::size_t byte) {
  if (byte < 5 || byte >= 5 + ostrel::kPacketDataSize) return false;
  if (packet <= 2) return true;
  const std::size_t block = (packet - 3) * ostrel::kPacketDataSize + (byte - 5);
  if (block >= ostrel::kControlBlockSize - 4) return false;
  return block >= 27 * 16 || (block % 16 != 1 && block % 16 != 3);
}

// The profile encodes back to the ten packets it was assembled from.
void checkProfile(const ostrel::ReceivedProfile& profile, const std::deque<Report>& packets) {
  check(profile.slot >= 1 && profile.slot <= 4 && packets.size() == ostrel::kProfilePackets);
  const auto again = ostrel::encodeProfilePackets('V', profile.slot, profile.flags, profile.values);
  for (int p = 0; p < ostrel::kProfilePackets; ++p) {
    for (std::size_t b = 0; b < ostrel::kReportSize; ++b)
      if (carriesValue(p + 1, b) || b < 4) check(again[p][b] == packets[p][b]);
  }
  check(again[9][4] == packets[9][4]);
  ostrel::ProfileAssembler reread;
  std::optional<ostrel::ReceivedProfile> last;
  for (const Report& packet : again) last = reread.add(packet);
  check(last && sameBits(last->values, profile.values));
}

struct Link {
  ostrel::AppState app;
  ostrel::QueueDispatcher dispatcher;
  NoPause sleeper;
  ostrel::ReportWriter writer;  // no pad attached: every request fails at once
  ostrel::PadCommands commands{writer, sleeper};
  ostrel::LinkContext context;
  ostrel::ProfileTransfer transfer{context, commands};
  ostrel::CommandReader reader{context, commands, transfer};

  explicit Link(ostrel::ProfileLibrary& library)
      : context{app, library, dispatcher, sleeper, nullptr} {
    for (int i = 0; i < ostrel::kSlotCount; ++i)
      app.slotNames[i] = app.savedSlotNames[i] = "Slot " + std::to_string(i + 1);
  }
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  ostrel::fuzz::FuzzLibrary& fuzz = ostrel::fuzz::fuzzLibrary();
  fuzz.clear();
  Link link(fuzz.library());
  ostrel::ProfileAssembler assembler;
  std::deque<Report> profilePackets;
  for (std::size_t at = 0; at < size; at += ostrel::kReportSize) {
    const std::size_t length = std::min(ostrel::kReportSize, size - at);
    Report report{};
    std::memcpy(report.data(), data + at, length);
    link.reader.handleReport(data + at, length);
    link.dispatcher.drain();

    check(link.app.lastReport == report);
    for (const std::string& name : link.app.slotNames) check(ostrel::isSafeName(name));
    check(link.reader.nameRequestCount() <= 4 && link.reader.profileRequestCount() <= 4);
    // The packets the assembler takes: whole profile answers for slots 1 to 4
    // (a report cut short is never decoded).
    if (length < ostrel::kReportSize) continue;
    if (report[0] != ostrel::kReportId || report[1] != ostrel::Letter::profile) continue;
    if (report[3] < 1 || report[3] > 4) continue;
    profilePackets.push_back(report);
    if (profilePackets.size() > ostrel::kProfilePackets) profilePackets.pop_front();
    if (const auto profile = assembler.add(report)) {
      checkProfile(*profile, profilePackets);
      const auto& filed = link.context.library.padValues[profile->slot - 1];
      check(std::memcmp(filed.data(), profile->values.data(), sizeof profile->values) == 0);
    }
  }
  return 0;
}
