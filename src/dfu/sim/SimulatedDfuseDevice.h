#pragma once
// A simulated system boot loader in DFU mode (USB 0483:DF11, DFU 1.1a
// with the DfuSe extension): its descriptors, a microcontroller flash with sectors
// and option bytes, the DFU state machine with its status and error states,
// and device time for every command it executes. Used by tests, the benchmark
// and the demo program. Thread-safe.

#include "dfu/DfuClock.h"
#include "dfu/DfuRequests.h"
#include "dfu/UsbTransport.h"
#include "dfu/sim/SimulatedFlash.h"

#include <functional>
#include <mutex>
#include <string>
#include <vector>

namespace ostrel {

struct SimulatedDfuseTiming {  // poll time-outs, in milliseconds of device time
  uint32_t command = 1;        // set address pointer
  uint32_t eraseBase = 10;     // erasing a sector takes eraseBase + erasePerKb * size in KB
  uint32_t erasePerKb = 1;
  uint32_t write = 5;          // one block
  uint32_t massErase = 400;    // read unprotect
  uint32_t manifest = 1;
};

struct SimulatedDfuseFaults {  // data blocks are counted from 1 over the device's life
  int unplugAtWrite = -1;      // the device leaves the bus when this block arrives
  int statusErrorAtWrite = -1; // this block ends in errWRITE and the error state
  int corruptWrite = -1;       // this block is stored with its first byte changed
  bool stuckBusy = false;      // commands never leave dfuDNBUSY while set
  bool stuckErasing = false;   // sector erases never leave dfuDNBUSY while set
  uint32_t stuckAnswerMs = 0;  // real milliseconds a stuck device takes to answer each status request
  int statusErrorAtErase = -1; // erasing while this many sectors are erased ends in errERASE (a refused sector)
};

struct SimulatedDfuseConfig {
  uint16_t vendor = 0x0483;
  uint16_t product = 0xDF11;
  uint16_t bcdDevice = 0x2200;
  uint16_t bcdDfuVersion = 0x011A;
  uint8_t attributes = 0x0B;  // download, upload, will detach
  uint16_t transferSize = 2048;
  uint8_t protocol = 2;       // 2 DFU mode, 1 application mode (runtime)
  std::string productName = "DFU in FS Mode";  // empty: the device has no product string
  std::vector<std::string> memoryMaps = {"@Internal Flash  /0x08000000/04*016Kg,01*064Kg,07*128Kg",
                                         "@Option Bytes  /0x1FFFF800/01*016 e"};
  bool readProtected = false;
  SimulatedDfuseTiming timing;
  SimulatedDfuseFaults faults;
};

class SimulatedDfuseDevice {
 public:
  static constexpr uint32_t kOptionBytesAddress = 0x1FFFF800;

  SimulatedDfuseDevice(SimulatedDfuseConfig config, DfuClock& clock);

  UsbStatus control(const UsbSetup& setup, uint8_t* data, size_t& transferred);
  UsbStatus selectInterface(uint8_t interfaceNumber, uint8_t alternate);

  // Called, outside the device's lock, when the device leaves the bus by itself.
  void setDetachHandler(std::function<void()> handler);
  // Called after every class request, outside the device's lock and on the
  // requesting thread, with the sectors erased and blocks written so far:
  // tests hold an operation there at a chosen point.
  void setAfterRequest(std::function<void(uint32_t erased, uint32_t written)> hook);
  void detach();
  void setFaults(const SimulatedDfuseFaults& faults);

  // Observation for tests and benchmarks.
  std::vector<uint8_t> memory(uint32_t address, size_t length) const;
  bool attached() const;
  bool leftDfuMode() const;
  bool readProtected() const;
  uint64_t classRequests() const;
  uint64_t imposedWaitMs() const;  // sum of the poll time-outs of every command run
  uint32_t erasedSectors() const;
  uint32_t writtenBlocks() const;
  // The address of every data block stored, in the order they came.
  std::vector<uint32_t> writtenAddresses() const;
  const SimulatedDfuseConfig& config() const { return config_; }
  std::vector<uint8_t> descriptor(uint8_t type, uint8_t index) const;

 private:
  UsbStatus standardRequest(const UsbSetup& setup, uint8_t* data, size_t& transferred);
  UsbStatus classRequest(const UsbSetup& setup, uint8_t* data, size_t& transferred);
  UsbStatus dnload(const UsbSetup& setup, const uint8_t* data);
  UsbStatus upload(const UsbSetup& setup, uint8_t* data, size_t& transferred);
  UsbStatus getStatus(uint8_t* data, size_t& transferred);
  UsbStatus stall();
  void execute();
  uint8_t runCommand();
  uint8_t runWrite();
  void startBusy(uint32_t ms);
  std::vector<uint8_t> configurationDescriptor() const;

  SimulatedDfuseConfig config_;
  DfuClock& clock_;
  mutable std::mutex mutex_;
  SimulatedFlash flash_;
  std::function<void()> detachHandler_;
  std::function<void(uint32_t, uint32_t)> afterRequest_;
  bool attached_ = true;
  bool leaving_ = false;
  bool left_ = false;
  uint8_t state_ = kDfuIdle;
  uint8_t status_ = 0;
  uint8_t pendingStatus_ = 0;
  uint64_t busyUntil_ = 0;
  uint32_t busyMs_ = 0;
  bool stuck_ = false;
  uint16_t pendingBlock_ = 0;
  std::vector<uint8_t> pending_;
  uint32_t pointer_ = 0x08000000;
  uint64_t classRequests_ = 0;
  uint64_t imposedWaitMs_ = 0;
  uint32_t erased_ = 0;
  uint32_t written_ = 0;
  std::vector<uint32_t> writtenAddresses_;
};

}  // namespace ostrel
