#pragma once
// DfuSe files and images of the DFU layer. A file
// is read and checked whole when it is opened, so a malformed file is refused
// before any of its images reaches a device. Unknown or destroyed handles are
// refused with kDfuBadParameter. Used on one thread (the engine's).

#include "dfu/DfuHandleTable.h"
#include "dfu/DfuImage.h"
#include "dfu/MemoryMap.h"

#include <string>

namespace ostrel {

class DfuFiles {
 public:
  static constexpr size_t kMaxFileSize = 64u << 20;

  // vendor, product and version may be null.
  uint32_t openExistingFile(const std::string& path, DfuHandle& file, uint16_t* vendor,
                                          uint16_t* product, uint16_t* version, uint8_t& imageCount);
  uint32_t closeFile(DfuHandle file);
  uint32_t readImage(DfuHandle file, uint32_t index, DfuHandle& image);
  uint32_t getImageAlternate(DfuHandle image, uint8_t& alternate);
  uint32_t getImageName(DfuHandle image, std::string& name);
  uint64_t getImageSize(DfuHandle image);  // bytes of data; 0 for an unknown handle
  uint32_t duplicateImage(DfuHandle image, DfuHandle& copy);
  uint32_t destroyImage(DfuHandle& image);  // sets image to 0
  uint32_t filterImageForOperation(DfuHandle image, const MemoryTarget& target, uint32_t operation,
                                              uint32_t optimise);
  uint32_t createImageFromMapping(DfuHandle& image, const MemoryTarget& target);
  uint32_t setImageName(DfuHandle image, const std::string& name);

  // The image behind a handle, or nullptr.
  const DfuImage* image(DfuHandle image) const { return images_.find(image); }

 private:
  DfuHandleTable<DfuseFile> files_{0x00F00000};
  DfuHandleTable<DfuImage> images_{0x001A0000};
};

}  // namespace ostrel
