#pragma once
// Memory maps and background operations of the DFU layer.
// At most one operation exists at a time; its worker has its own
// copy of the image and its own open device, so the handles stay on the
// caller's thread. Unknown or finished handles are refused with
// kDfuBadParameter.

#include "dfu/DfuClock.h"
#include "dfu/DfuHandleTable.h"
#include "dfu/DfuOperation.h"
#include "dfu/MemoryMap.h"
#include "dfu/DfuDevice.h"
#include "dfu/DfuFiles.h"

#include <string>
#include <vector>

namespace ostrel {

// The device class identifiers the records carry (Windows interface classes).
inline constexpr const char* kDfuDeviceClass = "{3FE809AB-FB91-4CB5-A643-69670D52366E}";
inline constexpr const char* kDfuSecondDeviceClass = "{CB979912-5029-420A-AEB1-34FC0A7D5726}";

struct DfuOperationRecord {
  std::string dfuClass;
  std::string secondClass;
  uint32_t operation = 0;  // 1 leave DFU mode, 3 erase, 4 upgrade
  uint32_t optimise = 0;
  DfuHandle image = 0;
  std::string path;
};

class DfuOperations {
 public:
  DfuOperations(UsbTransport& transport, DfuDevice& devices, DfuFiles& files, DfuClock& clock)
      : transport_(transport), devices_(devices), files_(files), clock_(clock) {}

  uint32_t createMappingFromDevice(const std::string& path, DfuHandle& map, uint32_t& targetCount);
  // The targets of a map (writable: the engine rewrites sector flags), or nullptr.
  std::vector<MemoryTarget>* getMapping(DfuHandle map) { return maps_.find(map); }
  uint32_t destroyMapping(DfuHandle& map);

  uint32_t launchOperation(const DfuOperationRecord& record, DfuHandle& operation);
  uint32_t getOperationStatus(DfuHandle operation, DfuOperationStatus& status);
  // Stops and forgets the operation; record, when given, receives its record.
  uint32_t stopOperation(DfuHandle operation, DfuOperationRecord* record = nullptr);

 private:
  struct Running {
    DfuOperationRecord record;
    std::unique_ptr<DfuOperation> worker;
  };
  uint32_t readTargets(DfuHandle device, std::vector<MemoryTarget>& targets);

  UsbTransport& transport_;
  DfuDevice& devices_;
  DfuFiles& files_;
  DfuClock& clock_;
  DfuHandleTable<std::vector<MemoryTarget>> maps_{0x00A00000};
  DfuHandleTable<Running> operations_{0x00B00000};
};

}  // namespace ostrel
