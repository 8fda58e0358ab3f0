#include "dfu/DfuseFile.h"

#include "dfu/Crc32.h"

#include <algorithm>
#include <cstring>

namespace ostrel {
namespace {

uint16_t le16(const uint8_t* p) { return static_cast<uint16_t>(p[0] | p[1] << 8); }
uint32_t le32(const uint8_t* p) {
  return static_cast<uint32_t>(p[0]) | static_cast<uint32_t>(p[1]) << 8 |
         static_cast<uint32_t>(p[2]) << 16 | static_cast<uint32_t>(p[3]) << 24;
}
void put16(std::vector<uint8_t>& out, uint16_t v) {
  out.push_back(v & 0xFF);
  out.push_back(v >> 8);
}
void put32(std::vector<uint8_t>& out, uint32_t v) {
  for (int i = 0; i < 4; ++i) out.push_back((v >> (8 * i)) & 0xFF);
}

constexpr uint16_t kBcdDfuSe = 0x011A;

DfuseFileError checkSuffix(std::span<const uint8_t> bytes, DfuseFile& out) {
  if (bytes.size() < DfuseFile::kPrefixSize + DfuseFile::kSuffixSize) return DfuseFileError::tooShort;
  const uint8_t* s = bytes.data() + bytes.size() - DfuseFile::kSuffixSize;
  if (s[8] != 'U' || s[9] != 'F' || s[10] != 'D' || s[11] != DfuseFile::kSuffixSize ||
      le16(s + 6) != kBcdDfuSe)
    return DfuseFileError::badSuffix;
  if (Crc32::dfu(bytes.data(), bytes.size() - 4) != le32(s + 12)) return DfuseFileError::badCrc;
  out.version = le16(s);
  out.product = le16(s + 2);
  out.vendor = le16(s + 4);
  return DfuseFileError::none;
}

bool overlaps(std::vector<DfuseElement> elements) {
  std::sort(elements.begin(), elements.end(),
            [](const DfuseElement& a, const DfuseElement& b) { return a.address < b.address; });
  for (size_t i = 1; i < elements.size(); ++i) {
    const uint64_t prevEnd = uint64_t{elements[i - 1].address} + elements[i - 1].data.size();
    if (prevEnd > elements[i].address) return true;
  }
  return false;
}

// Reads one target at body[pos]; pos moves past it.
DfuseFileError parseTarget(std::span<const uint8_t> body, size_t& pos, DfuseImage& image) {
  if (body.size() - pos < DfuseFile::kTargetPrefixSize) return DfuseFileError::badTarget;
  const uint8_t* t = body.data() + pos;
  if (std::memcmp(t, "Target", 6) != 0) return DfuseFileError::badTarget;
  image.alternate = t[6];
  if (le32(t + 7) != 0) {
    const char* name = reinterpret_cast<const char*>(t + 11);
    image.name.assign(name, strnlen(name, 255));
  }
  const uint32_t targetSize = le32(t + 266);
  const uint32_t count = le32(t + 270);
  pos += DfuseFile::kTargetPrefixSize;
  if (targetSize > body.size() - pos) return DfuseFileError::badTarget;
  const size_t end = pos + targetSize;
  for (uint32_t i = 0; i < count; ++i) {
    if (end - pos < DfuseFile::kElementHeaderSize) return DfuseFileError::badElement;
    const uint32_t address = le32(body.data() + pos);
    const uint32_t size = le32(body.data() + pos + 4);
    pos += DfuseFile::kElementHeaderSize;
    if (size > end - pos || uint64_t{address} + size > 0x100000000ull) return DfuseFileError::badElement;
    image.elements.push_back({address, {body.begin() + pos, body.begin() + pos + size}});
    pos += size;
  }
  if (pos != end) return DfuseFileError::badTarget;
  return overlaps(image.elements) ? DfuseFileError::overlappingElements : DfuseFileError::none;
}

}  // namespace

uint64_t DfuseImage::dataSize() const {
  uint64_t total = 0;
  for (const auto& e : elements) total += e.data.size();
  return total;
}

DfuseFileError DfuseFile::parse(std::span<const uint8_t> bytes, DfuseFile& out) {
  DfuseFile file;
  if (DfuseFileError e = checkSuffix(bytes, file); e != DfuseFileError::none) return e;
  const std::span<const uint8_t> body = bytes.first(bytes.size() - kSuffixSize);
  if (std::memcmp(body.data(), "DfuSe", 5) != 0 || body[5] != 0x01 || le32(body.data() + 6) != body.size())
    return DfuseFileError::badPrefix;
  const uint8_t targets = body[10];
  size_t pos = kPrefixSize;
  for (uint8_t i = 0; i < targets; ++i) {
    DfuseImage image;
    if (DfuseFileError e = parseTarget(body, pos, image); e != DfuseFileError::none) return e;
    file.images.push_back(std::move(image));
  }
  if (pos != body.size()) return DfuseFileError::trailingData;
  out = std::move(file);
  return DfuseFileError::none;
}

std::vector<uint8_t> DfuseFile::serialise() const {
  std::vector<uint8_t> out = {'D', 'f', 'u', 'S', 'e', 0x01, 0, 0, 0, 0, static_cast<uint8_t>(images.size())};
  for (const DfuseImage& image : images) {
    out.insert(out.end(), {'T', 'a', 'r', 'g', 'e', 't', image.alternate});
    put32(out, image.name.empty() ? 0 : 1);
    std::vector<uint8_t> name(255, 0);
    std::copy_n(image.name.begin(), std::min<size_t>(image.name.size(), 254), name.begin());
    out.insert(out.end(), name.begin(), name.end());
    uint32_t targetSize = 0;
    for (const auto& e : image.elements) targetSize += kElementHeaderSize + e.data.size();
    put32(out, targetSize);
    put32(out, static_cast<uint32_t>(image.elements.size()));
    for (const auto& e : image.elements) {
      put32(out, e.address);
      put32(out, static_cast<uint32_t>(e.data.size()));
      out.insert(out.end(), e.data.begin(), e.data.end());
    }
  }
  const uint32_t imageSize = static_cast<uint32_t>(out.size());
  for (int i = 0; i < 4; ++i) out[6 + i] = (imageSize >> (8 * i)) & 0xFF;
  put16(out, version);
  put16(out, product);
  put16(out, vendor);
  put16(out, kBcdDfuSe);
  out.insert(out.end(), {'U', 'F', 'D', static_cast<uint8_t>(kSuffixSize)});
  put32(out, Crc32::dfu(out.data(), out.size()));
  return out;
}

}  // namespace ostrel
