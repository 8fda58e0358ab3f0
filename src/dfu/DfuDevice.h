#pragma once
// Device requests of the DFU layer: open a DFU device
// by path, read its descriptors and send the DFU class requests. Every call
// returns kDfuSuccess or an error code; an unknown or closed handle is
// refused with kDfuBadParameter. Used on one thread (the engine's).

#include "dfu/DfuHandleTable.h"
#include "dfu/UsbDescriptors.h"
#include "dfu/UsbTransport.h"

#include <array>
#include <string>

namespace ostrel {

class DfuDevice {
 public:
  explicit DfuDevice(UsbTransport& transport) : transport_(transport) {}

  uint32_t open(const std::string& path, DfuHandle& device);
  uint32_t close(DfuHandle device);
  uint32_t getDeviceDescriptor(DfuHandle device, std::array<uint8_t, 18>& descriptor);
  // The DFU functional descriptor with the number and protocol of the DFU
  // interface it belongs to (protocol 2: the device is in DFU mode).
  uint32_t getDfuDescriptor(DfuHandle device, uint32_t& interfaceNumber, uint32_t& interfaceProtocol,
                                  std::array<uint8_t, 9>& descriptor);
  uint32_t getDfuInterfaces(DfuHandle device, std::vector<DfuInterface>& interfaces);
  uint32_t getStringDescriptor(DfuHandle device, uint32_t index, std::string& text);
  uint32_t selectCurrentConfiguration(DfuHandle device, uint32_t configuration, uint32_t interfaceIndex,
                                            uint32_t alternate);
  uint32_t getStatus(DfuHandle device, std::array<uint8_t, 6>& status);
  uint32_t clearStatus(DfuHandle device);
  uint32_t abort(DfuHandle device);
  uint32_t download(DfuHandle device, const uint8_t* data, uint32_t length, uint16_t block);
  uint32_t upload(DfuHandle device, uint8_t* data, uint32_t length, uint16_t block);

 private:
  struct OpenDevice {
    std::unique_ptr<UsbDevice> usb;
    DfuConfiguration config;
    bool configRead = false;
    uint16_t interfaceNumber = 0;
  };
  OpenDevice* configured(DfuHandle device);

  UsbTransport& transport_;
  DfuHandleTable<OpenDevice> devices_{0x00D00000};
};

}  // namespace ostrel
