// Firmware files that lie about themselves, given to the engine with the
// simulated boot loader attached: each is refused before anything is erased,
// and the pad's flash keeps every byte.
//
// Proven elsewhere, at the level of the file format: every corruption and
// truncation is refused by the parser (dfu DfuseFileTest: DfuseFile.*).

#include "DfuEngineFixture.h"
#include "LibraryTestFolder.h"
#include "dfu/Crc32.h"

namespace ostrel::test {
namespace {

constexpr uint32_t kFlash = 0x08000000;
constexpr std::size_t kFirstElementSize = 11 + 274 + 4;  // prefix, target prefix, element address
constexpr std::size_t kFlashChecked = 64 * 1024;

void putWord(std::vector<uint8_t>& bytes, std::size_t at, uint32_t value) {
  for (int i = 0; i < 4; ++i) bytes[at + i] = static_cast<uint8_t>(value >> (8 * i));
}

// The suffix's CRC made right again after a change.
void reseal(std::vector<uint8_t>& bytes) {
  putWord(bytes, bytes.size() - 4, Crc32::dfu(bytes.data(), bytes.size() - 4));
}

struct FileCase {
  const char* name;
  std::function<void(std::vector<uint8_t>&)> corrupt;
};

class HostileFirmwareFile : public DfuEngineFixture,
                            public ::testing::WithParamInterface<FileCase> {};

TEST_P(HostileFirmwareFile, IsRefusedBeforeAnythingIsErased) {
  std::vector<uint8_t> bytes = padFile({{kFlash, pattern(16000, 1)}}).serialise();
  GetParam().corrupt(bytes);
  folder.write("Version/Ostrel.dfu", bytes);
  auto pad = plugPad();
  const std::vector<uint8_t> flashBefore = pad->memory(kFlash, kFlashChecked);
  const auto filesBefore = testing::snapshot(folder.path());

  app.ScreenId = 11;
  view.state = 7;
  engine->loadFirmwareFile();
  deliverDeviceChanges();
  view.state = 8;
  engine->startUpgrade();
  ASSERT_TRUE(pollUntilIdle());

  EXPECT_EQ(engine->upgradeFinished, 0);
  EXPECT_EQ(pad->erasedSectors(), 0u);
  EXPECT_EQ(pad->writtenBlocks(), 0u);
  EXPECT_EQ(pad->memory(kFlash, kFlashChecked), flashBefore);
  EXPECT_FALSE(view.boxes.empty() && view.failures == 0) << "refused without a word";
  EXPECT_EQ(testing::snapshot(folder.path()), filesBefore);
}

INSTANTIATE_TEST_SUITE_P(Files, HostileFirmwareFile,
                         ::testing::Values(FileCase{"WrongCrc", [](auto& b) { b[400] ^= 0x01; }},
                                           FileCase{"HugeElementSize",
                                                    [](auto& b) {
                                                      putWord(b, kFirstElementSize, 0xFFFFFFF0u);
                                                      reseal(b);
                                                    }},
                                           FileCase{"HugeImageSize",
                                                    [](auto& b) {
                                                      putWord(b, 6, 0xFFFFFFF0u);
                                                      reseal(b);
                                                    }}),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace ostrel::test
