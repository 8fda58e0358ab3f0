// The libusb transport against a mocked 0483:DF11 device (umockdev): the
// device's control transfers are served by the simulated boot loader, so
// enumeration, descriptors, hotplug and a short update run through real
// libusb and real usbdevfs ioctls.

#include "dfu/DfuCodes.h"
#include "dfu/DfuEngine.h"
#include "dfu/DfuText.h"
#include "dfu/linux/LibusbTransport.h"
#include "dfu/sim/SimulatedDfuseDevice.h"

#include "DfuTestSupport.h"
#include "ManualDfuClock.h"

#include <gtest/gtest.h>
#include <umockdev.h>

#include <sys/ioctl.h>
#include <linux/usbdevice_fs.h>

#include <cerrno>
#include <cstddef>
#include <deque>
#include <mutex>

namespace ostrel {
namespace {

using test::eventually;
using test::pattern;

std::string hex(const std::vector<uint8_t>& bytes) {
  static const char digits[] = "0123456789abcdef";
  std::string text;
  for (uint8_t b : bytes) text += {digits[b >> 4], digits[b & 15]};
  return text;
}

std::string sysfsDevice(const std::string& port, int devnum, const SimulatedDfuseDevice& sim) {
  std::vector<uint8_t> descriptors = sim.descriptor(1, 0);
  const std::vector<uint8_t> config = sim.descriptor(2, 0);
  descriptors.insert(descriptors.end(), config.begin(), config.end());
  char node[32];
  std::snprintf(node, sizeof node, "bus/usb/001/%03d", devnum);
  return "P: /devices/pci0000:00/usb1/" + port + "\nN: " + node + "\nE: SUBSYSTEM=usb\nE: DEVTYPE=usb_device\n" +
         "E: DEVNAME=/dev/" + node + "\nE: BUSNUM=001\nE: DEVNUM=" + std::to_string(devnum) +
         "\nA: busnum=1\nA: devnum=" + std::to_string(devnum) +
         "\nA: idVendor=0483\nA: idProduct=df11\nA: speed=12\nA: bConfigurationValue=1\nH: descriptors=" +
         hex(descriptors) + "\n";
}

// usbdevfs as the kernel would serve it, with control transfers forwarded to the simulation.
class UsbdevfsHandler {
 public:
  explicit UsbdevfsHandler(SimulatedDfuseDevice& sim) : sim_(sim), base_(umockdev_ioctl_base_new()) {
    g_signal_connect(base_, "handle-ioctl", G_CALLBACK(&UsbdevfsHandler::onIoctl), this);
  }
  ~UsbdevfsHandler() {
    g_signal_handlers_disconnect_by_data(base_, this);
    for (UMockdevIoctlData* urb : reapable_) g_object_unref(urb);
    g_object_unref(base_);
  }
  UMockdevIoctlBase* base() const { return base_; }

 private:
  static gboolean onIoctl(UMockdevIoctlBase*, UMockdevIoctlClient* client, gpointer self) {
    static_cast<UsbdevfsHandler*>(self)->handle(client);
    return TRUE;
  }

  void handle(UMockdevIoctlClient* client) {
    UMockdevIoctlData* arg = umockdev_ioctl_client_get_arg(client);
    switch (umockdev_ioctl_client_get_request(client)) {
      case USBDEVFS_CLAIMINTERFACE:
      case USBDEVFS_RELEASEINTERFACE:
      case USBDEVFS_SETINTERFACE: umockdev_ioctl_client_complete(client, 0, 0); return;
      case USBDEVFS_GETDRIVER: umockdev_ioctl_client_complete(client, -1, ENODATA); return;
      case USBDEVFS_SUBMITURB: submit(client, arg); return;
      case USBDEVFS_REAPURBNDELAY: reap(client, arg); return;
      case USBDEVFS_DISCARDURB: umockdev_ioctl_client_complete(client, -1, EINVAL); return;  // all done already
      default: umockdev_ioctl_client_complete(client, -1, ENOTTY); return;
    }
  }

  void submit(UMockdevIoctlClient* client, UMockdevIoctlData* arg) {
    UMockdevIoctlData* urbData = umockdev_ioctl_data_resolve(arg, 0, sizeof(usbdevfs_urb), nullptr);
    auto* urb = reinterpret_cast<usbdevfs_urb*>(urbData->data);
    UMockdevIoctlData* buffer =
        umockdev_ioctl_data_resolve(urbData, offsetof(usbdevfs_urb, buffer), urb->buffer_length, nullptr);
    const uint8_t* s = buffer->data;
    const UsbSetup setup{s[0], s[1], static_cast<uint16_t>(s[2] | s[3] << 8), static_cast<uint16_t>(s[4] | s[5] << 8),
                         static_cast<uint16_t>(s[6] | s[7] << 8)};
    size_t transferred = 0;
    const UsbStatus status = sim_.control(setup, buffer->data + 8, transferred);
    urb->status = status == UsbStatus::ok ? 0 : status == UsbStatus::stall ? -EPIPE : -ENODEV;
    urb->actual_length = static_cast<int>(transferred);
    g_object_unref(buffer);
    {
      std::lock_guard lock(mutex_);
      reapable_.push_back(urbData);
    }
    umockdev_ioctl_client_complete(client, 0, 0);
  }

  void reap(UMockdevIoctlClient* client, UMockdevIoctlData* arg) {
    UMockdevIoctlData* urb = nullptr;
    {
      std::lock_guard lock(mutex_);
      if (!reapable_.empty()) {
        urb = reapable_.front();
        reapable_.pop_front();
      }
    }
    if (!urb) {
      umockdev_ioctl_client_complete(client, -1, EAGAIN);
      return;
    }
    UMockdevIoctlData* slot = umockdev_ioctl_data_resolve(arg, 0, sizeof(void*), nullptr);
    umockdev_ioctl_data_set_ptr(slot, 0, urb);
    umockdev_ioctl_client_complete(client, 0, 0);
    g_object_unref(slot);
    g_object_unref(urb);
  }

  SimulatedDfuseDevice& sim_;
  UMockdevIoctlBase* base_;
  std::mutex mutex_;
  std::deque<UMockdevIoctlData*> reapable_;
};

// One testbed for the whole suite: umockdev's preload keeps its sockets per
// device node, so a node is described and attached once per process.
class LibusbTransportTest : public ::testing::Test {
 protected:
  struct Bench {
    ManualDfuClock clock;
    SimulatedDfuseDevice sim{SimulatedDfuseConfig{}, clock};
    UsbdevfsHandler handler{sim};
    UMockdevTestbed* testbed = umockdev_testbed_new();  // before libusb opens any socket
    std::unique_ptr<LibusbTransport> transport;
    bool ready = false;

    Bench() {
      if (!umockdev_in_mock_environment()) return;
      if (!umockdev_testbed_add_from_string(testbed, sysfsDevice("1-1", 9, sim).c_str(), nullptr)) return;
      if (!umockdev_testbed_attach_ioctl(testbed, "/dev/bus/usb/001/009", handler.base(), nullptr)) return;
      transport = std::make_unique<LibusbTransport>();
      ready = transport->ready();
    }
    ~Bench() {
      transport.reset();
      umockdev_testbed_detach_ioctl(testbed, "/dev/bus/usb/001/009", nullptr);
      g_object_unref(testbed);
    }
  };

  static void SetUpTestSuite() { bench_ = new Bench(); }
  static void TearDownTestSuite() {
    delete bench_;
    bench_ = nullptr;
  }
  void SetUp() override {
    if (!bench_->ready) GTEST_SKIP() << "needs the umockdev preload";
  }

  static Bench* bench_;
  ManualDfuClock& clock = bench_->clock;
  SimulatedDfuseDevice& sim = bench_->sim;
  UMockdevTestbed* testbed_ = bench_->testbed;
  LibusbTransport* transport = bench_->transport.get();
};

LibusbTransportTest::Bench* LibusbTransportTest::bench_ = nullptr;

TEST_F(LibusbTransportTest, FindsTheBootLoaderWithItsDescriptorsAndMemoryMap) {
  const auto entries = transport->findDfuDevices();
  ASSERT_EQ(entries.size(), 1u);
  EXPECT_EQ(entries[0].path, "usb-001-1-0483-df11");
  EXPECT_EQ(entries[0].description, "DFU in FS Mode");
  EXPECT_TRUE(entries[0].dfuMode);

  DfuDevice dfu(*transport);
  DfuHandle device = 0;
  ASSERT_EQ(dfu.open(upperCase(entries[0].path), device), kDfuSuccess);
  std::array<uint8_t, 18> descriptor{};
  ASSERT_EQ(dfu.getDeviceDescriptor(device, descriptor), kDfuSuccess);
  EXPECT_EQ(descriptor[8] | descriptor[9] << 8, 0x0483);
  EXPECT_EQ(descriptor[10] | descriptor[11] << 8, 0xDF11);
  std::string map;
  ASSERT_EQ(dfu.getStringDescriptor(device, 4, map), kDfuSuccess);
  EXPECT_EQ(map, "@Internal Flash  /0x08000000/04*016Kg,01*064Kg,07*128Kg");
  std::array<uint8_t, 6> status{};
  ASSERT_EQ(dfu.getStatus(device, status), kDfuSuccess);
  EXPECT_EQ(status[4], kDfuIdle);
  uint8_t wrongState = 0;
  EXPECT_EQ(dfu.upload(device, &wrongState, 1, 1), kDfuError) << "a stall comes back as a refusal";
  EXPECT_EQ(dfu.close(device), kDfuSuccess);
}

TEST_F(LibusbTransportTest, ReportsArrivalAndRemoval) {
  std::mutex mutex;
  std::vector<UsbDeviceEvent> events;
  transport->setListener([&](const UsbDeviceEvent& e) {
    std::lock_guard lock(mutex);
    events.push_back(e);
  });
  const auto count = [&] {
    std::lock_guard lock(mutex);
    return events.size();
  };
  SimulatedDfuseDevice second{SimulatedDfuseConfig{}, clock};
  ASSERT_TRUE(umockdev_testbed_add_from_string(testbed_, sysfsDevice("1-2", 10, second).c_str(), nullptr));
  ASSERT_TRUE(eventually([&] { return count() >= 1; }));
  umockdev_testbed_uevent(testbed_, "/sys/devices/pci0000:00/usb1/1-2", "remove");
  ASSERT_TRUE(eventually([&] { return count() >= 2; }));
  transport->setListener(nullptr);
  std::lock_guard lock(mutex);
  EXPECT_TRUE(events[0].arrived);
  EXPECT_EQ(events[0].path, "usb-001-2-0483-df11");
  EXPECT_FALSE(events[1].arrived);
  EXPECT_EQ(events[1].path, "usb-001-2-0483-df11");
}

TEST_F(LibusbTransportTest, ShortUpdateRunsThroughLibusb) {
  test::ScratchFolder folder;
  const DfuseFile file = test::padFile({{0x08000000, pattern(5000, 9)}, {0x08004000, pattern(100, 4)}});
  folder.write("Version/Ostrel.dfu", file.serialise());
  AppState app;
  app.ScreenId = 11;
  test::RecordingView view;
  view.state = 7;
  DfuSharedFlags shared;
  DfuEngine engine(app, folder.root(), *transport, clock, view, shared);
  engine.loadFirmwareFile();
  engine.enumerateDfuDevices();
  ASSERT_EQ(engine.deviceReady, 1);
  ASSERT_EQ(engine.targetRows().size(), 2u);
  engine.startUpgrade();
  ASSERT_TRUE(eventually([&] {
    engine.pollOperation();
    return engine.operationHandle == 0;
  }));
  EXPECT_EQ(engine.upgradeFinished, 1) << testing::PrintToString(view.texts);
  EXPECT_EQ(sim.memory(0x08000000, 5000), file.images[0].elements[0].data);
  EXPECT_EQ(sim.memory(0x08004000, 100), file.images[0].elements[1].data);
}

}  // namespace
}  // namespace ostrel
