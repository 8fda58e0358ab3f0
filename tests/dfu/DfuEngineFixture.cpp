#include "DfuEngineFixture.h"

namespace ostrel::test {

DfuEngineFixture::DfuEngineFixture() {
  bus.setListener([this](const UsbDeviceEvent& e) {
    std::lock_guard lock(eventsMutex);
    events.push_back(e);
  });
  engine = std::make_unique<DfuEngine>(app, folder.root(), bus, clock, view, shared);
}

std::shared_ptr<SimulatedDfuseDevice> DfuEngineFixture::plugPad(SimulatedDfuseConfig config, const std::string& path) {
  auto device = std::make_shared<SimulatedDfuseDevice>(std::move(config), clock);
  bus.plug(path, device);
  return device;
}

void DfuEngineFixture::startAsTheScreenDoes() {
  app.ScreenId = 11;
  view.state = 7;
  engine->loadFirmwareFile();
  deliverDeviceChanges();  // the pad's arrival
  ASSERT_EQ(engine->deviceReady, 1);
  ASSERT_TRUE(engine->canDownload());
  engine->deviceReady = 0;
  view.state = 8;
  engine->startUpgrade();
}

bool DfuEngineFixture::pollUntilIdle() {
  return eventually([this] {
    engine->pollOperation();
    return engine->operationHandle == 0;
  });
}

size_t DfuEngineFixture::queuedDeviceChanges() {
  std::lock_guard lock(eventsMutex);
  return events.size();
}

void DfuEngineFixture::deliverDeviceChanges() {
  std::vector<UsbDeviceEvent> pending;
  {
    std::lock_guard lock(eventsMutex);
    pending.swap(events);
  }
  for (const UsbDeviceEvent& e : pending) {
    engine->onDfuDeviceChange(e);
    ++delivered;
  }
}

}  // namespace ostrel::test
