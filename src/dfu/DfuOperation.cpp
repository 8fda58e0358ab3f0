#include "dfu/DfuOperation.h"

#include "dfu/DfuCodes.h"
#include "dfu/UsbDescriptors.h"

#include <algorithm>
#include <cstring>
#include <vector>

namespace ostrel {
namespace {

// DfuSe numbers data blocks from 2; a range needing more blocks than a block
// number can hold is sent in several runs, each with its own address.
constexpr uint64_t kMaxBlocksPerRun = 0xFFFF - 2;

uint64_t blocksFor(uint64_t size, uint16_t transferSize) { return (size + transferSize - 1) / transferSize; }

}  // namespace

DfuOperation::DfuOperation(UsbTransport& transport, DfuClock& clock, std::string path, DfuImage image)
    : transport_(transport), clock_(clock), path_(std::move(path)), image_(std::move(image)), result_(kDfuSuccess) {}

DfuOperation::~DfuOperation() { stop(); }

void DfuOperation::start() { thread_ = std::thread([this] { run(); }); }

void DfuOperation::stop() {
  stop_ = true;
  if (thread_.joinable()) thread_.join();
}

DfuOperationStatus DfuOperation::status() const { return {percent_, result_}; }

void DfuOperation::advance(uint64_t done, uint64_t total) {
  // 100 is kept for the end: it means the whole operation succeeded.
  if (total) percent_ = static_cast<uint32_t>(std::min<uint64_t>(99, done * 100 / total));
}

void DfuOperation::run() {
  uint32_t code = kDfuUnexpected;
  if (auto device = transport_.open(path_)) {
    DfuConfiguration config;
    const UsbStatus u = UsbDescriptors::readConfiguration(*device, config);
    if (u != UsbStatus::ok) {
      code = DfuRequests::code(u);
    } else {
      const uint8_t number = config.interfaces.front().number;
      const uint16_t transferSize = config.transferSize() ? config.transferSize() : 1024;
      code = DfuRequests::code(device->selectInterface(number, image_.content.alternate));
      DfuSession session(*device, number, transferSize, clock_, stop_);
      if (code == kDfuSuccess) code = session.begin();
      if (code == kDfuSuccess) code = runOn(session);
    }
  }
  if (code == kDfuSuccess) percent_ = 100;
  result_ = code;
  finished_ = true;
}

uint32_t DfuOperation::runOn(DfuSession& session) {
  switch (image_.operation) {
    case kOperationErase: return erase(session);
    case kOperationUpgrade: return upgrade(session);
    case kOperationLeave: return leave(session);
    default: return kDfuBadParameter;
  }
}

uint32_t DfuOperation::erase(DfuSession& session) {
  const auto& sectors = image_.eraseSectors;
  for (size_t i = 0; i < sectors.size(); ++i) {
    if (uint32_t code = session.eraseSector(sectors[i].address); code != kDfuSuccess) return code;
    advance(i + 1, sectors.size());
  }
  return kDfuSuccess;
}

uint32_t DfuOperation::upgrade(DfuSession& session) {
  done_ = 0;
  total_ = 0;
  for (const DfuseElement& e : image_.content.elements) total_ += 2 * blocksFor(e.data.size(), session.transferSize());
  for (const DfuseElement& e : image_.content.elements) {
    const uint64_t runBytes = kMaxBlocksPerRun * session.transferSize();
    for (uint64_t offset = 0; offset < e.data.size(); offset += runBytes) {
      const size_t size = static_cast<size_t>(std::min<uint64_t>(runBytes, e.data.size() - offset));
      const uint32_t code =
          programRange(session, static_cast<uint32_t>(e.address + offset), e.data.data() + offset, size);
      if (code != kDfuSuccess) return code;
    }
  }
  return kDfuSuccess;
}

// Writes one run of blocks from address on, then reads it back and compares:
// DfuSe addresses uploads from the same pointer, so the read-back needs no
// second set-address, only the return to dfuIDLE that uploads require.
uint32_t DfuOperation::programRange(DfuSession& session, uint32_t address, const uint8_t* data, size_t size) {
  const uint16_t block = session.transferSize();
  const uint64_t blocks = blocksFor(size, block);
  if (uint32_t code = session.setAddress(address); code != kDfuSuccess) return code;
  for (uint64_t i = 0; i < blocks; ++i) {
    const uint16_t length = static_cast<uint16_t>(std::min<uint64_t>(block, size - i * block));
    if (uint32_t code = session.write(static_cast<uint16_t>(2 + i), data + i * block, length); code != kDfuSuccess)
      return code;
    advance(++done_, total_);
  }
  if (uint32_t code = session.abort(); code != kDfuSuccess) return code;
  std::vector<uint8_t> readBack(block);
  for (uint64_t i = 0; i < blocks; ++i) {
    const uint16_t length = static_cast<uint16_t>(std::min<uint64_t>(block, size - i * block));
    if (uint32_t code = session.read(static_cast<uint16_t>(2 + i), readBack.data(), length); code != kDfuSuccess)
      return code;
    if (std::memcmp(readBack.data(), data + i * block, length) != 0) return kDfuError;
    advance(++done_, total_);
  }
  return session.abort();
}

uint32_t DfuOperation::leave(DfuSession& session) {
  if (uint32_t code = session.setAddress(image_.startAddress); code != kDfuSuccess) return code;
  return session.leave();
}

}  // namespace ostrel
