#include "dfu/DfuOperations.h"

#include "dfu/DfuCodes.h"

#include <system_error>

namespace ostrel {

uint32_t DfuOperations::readTargets(DfuHandle device, std::vector<MemoryTarget>& targets) {
  std::vector<DfuInterface> interfaces;
  if (uint32_t code = devices_.getDfuInterfaces(device, interfaces); code != kDfuSuccess) return code;
  for (const DfuInterface& i : interfaces) {
    std::string text;
    MemoryTarget target;
    if (uint32_t code = devices_.getStringDescriptor(device, i.nameIndex, text); code != kDfuSuccess)
      return code;
    if (!MemoryTarget::parse(text, i.alternate, target)) return kDfuError;
    targets.push_back(std::move(target));
  }
  return targets.empty() ? kDfuError : kDfuSuccess;
}

uint32_t DfuOperations::createMappingFromDevice(const std::string& path, DfuHandle& map,
                                                    uint32_t& targetCount) {
  map = 0;
  targetCount = 0;
  DfuHandle device = 0;
  if (uint32_t code = devices_.open(path, device); code != kDfuSuccess) return code;
  auto targets = std::make_unique<std::vector<MemoryTarget>>();
  const uint32_t code = readTargets(device, *targets);
  devices_.close(device);
  if (code != kDfuSuccess) return code;
  targetCount = static_cast<uint32_t>(targets->size());
  map = maps_.add(std::move(targets));
  return kDfuSuccess;
}

uint32_t DfuOperations::destroyMapping(DfuHandle& map) {
  const bool known = maps_.take(map) != nullptr;
  map = 0;
  return known ? kDfuSuccess : kDfuBadParameter;
}

uint32_t DfuOperations::launchOperation(const DfuOperationRecord& record, DfuHandle& operation) {
  operation = 0;
  const DfuImage* image = files_.image(record.image);
  if (!image || image->operation != record.operation || record.path.empty()) return kDfuBadParameter;
  if (operations_.size() != 0) return kDfuAlreadyRunning;
  auto running = std::make_unique<Running>();
  running->record = record;
  running->worker = std::make_unique<DfuOperation>(transport_, clock_, record.path, *image);
  try {
    running->worker->start();
  } catch (const std::system_error&) {
    return kDfuThreadProblem;
  }
  operation = operations_.add(std::move(running));
  return kDfuSuccess;
}

uint32_t DfuOperations::getOperationStatus(DfuHandle operation, DfuOperationStatus& status) {
  const Running* running = operations_.find(operation);
  if (!running) return kDfuBadParameter;
  status = running->worker->status();
  return kDfuSuccess;
}

uint32_t DfuOperations::stopOperation(DfuHandle operation, DfuOperationRecord* record) {
  std::unique_ptr<Running> running = operations_.take(operation);
  if (!running) return kDfuBadParameter;
  running->worker->stop();
  if (record) *record = running->record;
  return kDfuSuccess;
}

}  // namespace ostrel
