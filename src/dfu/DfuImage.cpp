#include "dfu/DfuImage.h"

namespace ostrel {
namespace {

bool fitsEverywhere(const DfuseImage& content, const MemoryTarget& target, uint8_t flags) {
  for (const DfuseElement& e : content.elements)
    if (!e.data.empty() && !target.covers(e.address, e.data.size(), flags)) return false;
  return true;
}

std::vector<MemorySector> touchedSectors(const DfuseImage& content, const MemoryTarget& target) {
  std::vector<MemorySector> touched;
  for (const MemorySector& s : target.sectors)
    for (const DfuseElement& e : content.elements)
      if (!e.data.empty() && e.address < s.end() && s.address < uint64_t{e.address} + e.data.size()) {
        touched.push_back(s);
        break;
      }
  return touched;
}

}  // namespace

bool DfuImage::fitTo(const MemoryTarget& target, uint32_t op) {
  switch (op) {
    case kOperationErase:
      if (content.alternate != target.alternate || !fitsEverywhere(content, target, kSectorErasable)) return false;
      eraseSectors = touchedSectors(content, target);
      break;
    case kOperationUpgrade:
      if (content.alternate != target.alternate || !fitsEverywhere(content, target, kSectorWriteable)) return false;
      break;
    case kOperationLeave:
      if (target.sectors.empty()) return false;
      startAddress = target.sectors.front().address;
      break;
    default: return false;
  }
  operation = op;
  return true;
}

}  // namespace ostrel
