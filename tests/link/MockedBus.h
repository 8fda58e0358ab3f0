#pragma once
// A umockdev testbed describing USB devices with hidraw nodes, for tests of
// the Linux backend. Create it before any udev context or monitor.

#include <umockdev.h>

#include <functional>
#include <mutex>
#include <string>
#include <vector>

#include "link/ReportCodec.h"

namespace ostrel::testing {

class MockedBus {
 public:
  // Called on umockdev's thread with every report written to a node.
  using WriteHandler = std::function<void(const Report& report)>;

  MockedBus();
  ~MockedBus();
  MockedBus(const MockedBus&) = delete;
  MockedBus& operator=(const MockedBus&) = delete;

  // A USB device with one hidraw node per interface; nodes are numbered from
  // firstNode ("/dev/hidrawN"). Returns the syspaths of the hidraw nodes.
  std::vector<std::string> addHidDevice(const std::string& port, uint16_t vendor, uint16_t product,
                                        int interfaces, int firstNode);
  // A USB device without any hidraw node. Returns its syspath.
  std::string addUsbDevice(const std::string& port, uint16_t vendor, uint16_t product);
  void removal(const std::string& syspath);
  // After its removal: the node is no longer listed or served. umockdev
  // keeps the node's pty master open until the bus ends, so a later plug-in
  // needs a new node number.
  void forgetNode(const std::string& syspath, const std::string& node);

  // Captures what the host writes to a node.
  void onWrite(const std::string& node, WriteHandler handler);
  // Puts an input report on a node, as the device would.
  void answer(const std::string& node, const Report& report);
  // The device stops answering as an unplugged one does: the node hangs up.
  void hangUp(const std::string& node);

 private:
  static gboolean handleWrite(UMockdevIoctlBase* base, UMockdevIoctlClient* client, gpointer self);

  UMockdevTestbed* testbed_;
  std::vector<UMockdevIoctlBase*> handlers_;
  std::vector<std::pair<UMockdevIoctlBase*, WriteHandler>> writeHandlers_;
  std::mutex mutex_;
};

}  // namespace ostrel::testing
