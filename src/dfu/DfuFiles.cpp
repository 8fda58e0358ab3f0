#include "dfu/DfuFiles.h"

#include "dfu/DfuCodes.h"

#include <fstream>

namespace ostrel {
namespace {

bool readWholeFile(const std::string& path, std::vector<uint8_t>& bytes) {
  std::ifstream in(path, std::ios::binary | std::ios::ate);
  if (!in) return false;
  const std::streamoff size = in.tellg();
  if (size < 0 || static_cast<uint64_t>(size) > DfuFiles::kMaxFileSize) return false;
  bytes.resize(static_cast<size_t>(size));
  in.seekg(0);
  return static_cast<bool>(in.read(reinterpret_cast<char*>(bytes.data()), size));
}

}  // namespace

uint32_t DfuFiles::openExistingFile(const std::string& path, DfuHandle& file, uint16_t* vendor,
                                                    uint16_t* product, uint16_t* version, uint8_t& imageCount) {
  file = 0;
  std::vector<uint8_t> bytes;
  auto parsed = std::make_unique<DfuseFile>();
  if (!readWholeFile(path, bytes) || DfuseFile::parse(bytes, *parsed) != DfuseFileError::none) return kDfuBadFile;
  if (vendor) *vendor = parsed->vendor;
  if (product) *product = parsed->product;
  if (version) *version = parsed->version;
  imageCount = static_cast<uint8_t>(parsed->images.size());
  file = files_.add(std::move(parsed));
  return kDfuSuccess;
}

uint32_t DfuFiles::closeFile(DfuHandle file) {
  return files_.take(file) ? kDfuSuccess : kDfuBadParameter;
}

uint32_t DfuFiles::readImage(DfuHandle file, uint32_t index, DfuHandle& image) {
  image = 0;
  const DfuseFile* f = files_.find(file);
  if (!f || index >= f->images.size()) return kDfuBadParameter;
  image = images_.add(std::make_unique<DfuImage>(DfuImage{f->images[index], 0, {}, 0}));
  return kDfuSuccess;
}

uint32_t DfuFiles::getImageAlternate(DfuHandle image, uint8_t& alternate) {
  const DfuImage* i = images_.find(image);
  if (!i) return kDfuBadParameter;
  alternate = i->content.alternate;
  return kDfuSuccess;
}

uint32_t DfuFiles::getImageName(DfuHandle image, std::string& name) {
  const DfuImage* i = images_.find(image);
  if (!i) return kDfuBadParameter;
  name = i->content.name;
  return kDfuSuccess;
}

uint64_t DfuFiles::getImageSize(DfuHandle image) {
  const DfuImage* i = images_.find(image);
  return i ? i->content.dataSize() : 0;
}

uint32_t DfuFiles::duplicateImage(DfuHandle image, DfuHandle& copy) {
  copy = 0;
  const DfuImage* i = images_.find(image);
  if (!i) return kDfuBadParameter;
  copy = images_.add(std::make_unique<DfuImage>(*i));
  return kDfuSuccess;
}

uint32_t DfuFiles::destroyImage(DfuHandle& image) {
  const bool known = images_.take(image) != nullptr;
  image = 0;
  return known ? kDfuSuccess : kDfuBadParameter;
}

uint32_t DfuFiles::filterImageForOperation(DfuHandle image, const MemoryTarget& target,
                                                        uint32_t operation, uint32_t /*optimise*/) {
  DfuImage* i = images_.find(image);
  if (!i) return kDfuBadParameter;
  return i->fitTo(target, operation) ? kDfuSuccess : kDfuBadParameter;
}

uint32_t DfuFiles::createImageFromMapping(DfuHandle& image, const MemoryTarget& target) {
  auto created = std::make_unique<DfuImage>();
  created->content.alternate = target.alternate;
  image = images_.add(std::move(created));
  return kDfuSuccess;
}

uint32_t DfuFiles::setImageName(DfuHandle image, const std::string& name) {
  DfuImage* i = images_.find(image);
  if (!i) return kDfuBadParameter;
  i->content.name = name.substr(0, 254);
  return kDfuSuccess;
}

}  // namespace ostrel
