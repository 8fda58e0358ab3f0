#include "dfu/MemoryMap.h"

#include <cctype>

namespace ostrel {
namespace {

// A small cursor over the text; every read checks the end first.
struct Cursor {
  std::string_view text;
  size_t pos = 0;
  bool atEnd() const { return pos >= text.size(); }
  char peek() const { return atEnd() ? '\0' : text[pos]; }
  bool take(char c) {
    if (peek() != c) return false;
    ++pos;
    return true;
  }
};

constexpr size_t kMaxSectors = 65536;

bool readNumber(Cursor& c, int base, uint64_t& value) {
  const size_t start = c.pos;
  value = 0;
  while (!c.atEnd() && std::isxdigit(static_cast<unsigned char>(c.peek()))) {
    const char ch = c.peek();
    const int digit = std::isdigit(static_cast<unsigned char>(ch)) ? ch - '0' : (std::tolower(ch) - 'a' + 10);
    if (digit >= base) break;
    value = value * base + digit;
    if (value > 0xFFFFFFFFull) return false;
    ++c.pos;
  }
  return c.pos > start;
}

bool readAddress(Cursor& c, uint64_t& address) {
  if (!c.take('0') || !(c.take('x') || c.take('X'))) return false;
  return readNumber(c, 16, address);
}

bool readMultiplier(Cursor& c, uint64_t& multiplier) {
  switch (c.peek()) {
    case 'M': multiplier = 1024 * 1024; break;
    case 'K': multiplier = 1024; break;
    case 'B': case ' ': multiplier = 1; break;
    default: return false;
  }
  ++c.pos;
  return true;
}

// One run "NN*SSSMf": count sectors of one size from address on.
bool readRun(Cursor& c, uint64_t& address, std::vector<MemorySector>& sectors) {
  uint64_t count = 0, size = 0, multiplier = 1;
  if (!readNumber(c, 10, count) || !c.take('*') || !readNumber(c, 10, size) || !readMultiplier(c, multiplier))
    return false;
  const char flag = c.peek();
  if (flag < 'a' || flag > 'g') return false;
  ++c.pos;
  size *= multiplier;
  if (size == 0 || size > 0xFFFFFFFFull || count > kMaxSectors - sectors.size()) return false;
  for (uint64_t i = 0; i < count; ++i) {
    if (address + size > 0x100000000ull) return false;
    sectors.push_back({static_cast<uint32_t>(address), static_cast<uint32_t>(size), static_cast<uint8_t>(flag - 'a' + 1)});
    address += size;
  }
  return true;
}

}  // namespace

bool MemoryTarget::parse(std::string_view text, uint8_t alternate, MemoryTarget& out) {
  Cursor c{text};
  if (!c.take('@')) return false;
  const size_t slash = text.find('/', c.pos);
  if (slash == std::string_view::npos) return false;
  MemoryTarget target{alternate, std::string(text.substr(1, slash - 1)), {}};
  c.pos = slash;
  while (c.take('/')) {
    uint64_t address = 0;
    if (!readAddress(c, address) || !c.take('/')) return false;
    do {
      if (!readRun(c, address, target.sectors)) return false;
    } while (c.take(','));
  }
  if (!c.atEnd() || target.sectors.empty()) return false;
  out = std::move(target);
  return true;
}

const MemorySector* MemoryTarget::sectorAt(uint32_t address) const {
  for (const MemorySector& s : sectors)
    if (address >= s.address && address < s.end()) return &s;
  return nullptr;
}

bool MemoryTarget::covers(uint32_t address, uint64_t size, uint8_t flags) const {
  uint64_t at = address;
  const uint64_t end = at + size;
  while (at < end) {
    const MemorySector* s = at > 0xFFFFFFFFull ? nullptr : sectorAt(static_cast<uint32_t>(at));
    if (!s || (s->flags & flags) != flags) return false;
    at = s->end();
  }
  return true;
}

}  // namespace ostrel
