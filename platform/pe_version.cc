#include "platform/pe_version.h"

#include <cstddef>
#include <cstring>

namespace platform {
namespace {

constexpr std::uint16_t kPe32Magic = 0x10b;
constexpr std::uint16_t kPe32PlusMagic = 0x20b;
constexpr std::uint32_t kResourceDirectoryIndex = 2;
constexpr std::uint32_t kVersionResourceType = 16;
constexpr std::uint32_t kSubdirectoryFlag = 0x80000000u;
constexpr std::uint32_t kFixedInfoSignature = 0xFEEF04BDu;
constexpr std::size_t kSectionHeaderSize = 40;
constexpr std::size_t kFixedInfoSize = 52;
// "VS_VERSION_INFO" in UTF-16LE with its terminating zero.
constexpr char kVersionKey[] = "V\0S\0_\0V\0E\0R\0S\0I\0O\0N\0_\0I\0N\0F\0O\0\0";
constexpr std::size_t kVersionKeySize = sizeof kVersionKey - 1;

// Little-endian reads that fail instead of leaving the bytes.
class Bytes {
 public:
  explicit Bytes(std::string_view bytes) : bytes_(bytes) {}

  bool has(std::uint64_t offset, std::uint64_t length) const {
    return offset <= bytes_.size() && length <= bytes_.size() - offset;
  }
  bool u16(std::uint64_t offset, std::uint16_t* value) const {
    if (!has(offset, 2)) return false;
    *value = static_cast<std::uint16_t>(byte(offset) | byte(offset + 1) << 8);
    return true;
  }
  bool u32(std::uint64_t offset, std::uint32_t* value) const {
    std::uint16_t low = 0;
    std::uint16_t high = 0;
    if (!u16(offset, &low) || !u16(offset + 2, &high)) return false;
    *value = low | static_cast<std::uint32_t>(high) << 16;
    return true;
  }
  bool equals(std::uint64_t offset, const char* expected, std::size_t length) const {
    return has(offset, length) && std::memcmp(bytes_.data() + offset, expected, length) == 0;
  }

 private:
  std::uint32_t byte(std::uint64_t offset) const {
    return static_cast<unsigned char>(bytes_[static_cast<std::size_t>(offset)]);
  }
  std::string_view bytes_;
};

struct ImageLayout {
  std::uint64_t sectionTable = 0;
  std::uint16_t sectionCount = 0;
  std::uint32_t resourceRva = 0;
};

bool readLayout(const Bytes& image, ImageLayout* layout) {
  std::uint32_t peOffset = 0;
  std::uint16_t optionalSize = 0;
  std::uint16_t magic = 0;
  if (!image.equals(0, "MZ", 2) || !image.u32(0x3c, &peOffset) ||
      !image.equals(peOffset, "PE\0\0", 4) || !image.u16(peOffset + 6, &layout->sectionCount) ||
      !image.u16(peOffset + 20, &optionalSize)) {
    return false;
  }
  const std::uint64_t optional = std::uint64_t{peOffset} + 24;
  if (!image.u16(optional, &magic) || (magic != kPe32Magic && magic != kPe32PlusMagic)) {
    return false;
  }
  const std::uint64_t countField = magic == kPe32Magic ? 92 : 108;
  const std::uint64_t resourceEntry = countField + 4 + kResourceDirectoryIndex * 8;
  std::uint32_t directoryCount = 0;
  layout->sectionTable = optional + optionalSize;
  return resourceEntry + 8 <= optionalSize && image.u32(optional + countField, &directoryCount) &&
         directoryCount > kResourceDirectoryIndex &&
         image.u32(optional + resourceEntry, &layout->resourceRva) && layout->resourceRva != 0;
}

// File offset of `length` bytes at `rva`, which must lie in one section's raw data.
bool fileOffsetOf(const Bytes& image, const ImageLayout& layout, std::uint32_t rva,
                  std::uint32_t length, std::uint64_t* offset) {
  for (std::uint16_t i = 0; i < layout.sectionCount; ++i) {
    const std::uint64_t header = layout.sectionTable + i * kSectionHeaderSize;
    std::uint32_t address = 0;
    std::uint32_t rawSize = 0;
    std::uint32_t rawOffset = 0;
    if (!image.u32(header + 12, &address) || !image.u32(header + 16, &rawSize) ||
        !image.u32(header + 20, &rawOffset)) {
      return false;
    }
    if (rva >= address && std::uint64_t{rva} - address + length <= rawSize) {
      *offset = std::uint64_t{rawOffset} + (rva - address);
      return image.has(*offset, length);
    }
  }
  return false;
}

// Target (from the resource root) of the directory's entry `id`, or of its first
// entry when `id` is null; `subdirectory` tells which kind the entry must be.
bool directoryEntry(const Bytes& image, std::uint64_t root, std::uint32_t directory,
                    const std::uint32_t* id, bool subdirectory, std::uint32_t* target) {
  std::uint16_t named = 0;
  std::uint16_t numbered = 0;
  if (!image.u16(root + directory + 12, &named) || !image.u16(root + directory + 14, &numbered)) {
    return false;
  }
  const std::uint32_t count = std::uint32_t{named} + numbered;
  for (std::uint32_t i = id ? named : 0; i < count; ++i) {
    const std::uint64_t entry = root + directory + 16 + i * 8;
    std::uint32_t name = 0;
    if (!image.u32(entry, &name) || !image.u32(entry + 4, target)) return false;
    if (id && name != *id) continue;
    if (((*target & kSubdirectoryFlag) != 0) != subdirectory) return false;
    *target &= ~kSubdirectoryFlag;
    return true;
  }
  return false;
}

// Location of the first version resource's data, as an RVA and a size.
bool findVersionData(const Bytes& image, const ImageLayout& layout, std::uint32_t* rva,
                     std::uint32_t* size) {
  std::uint64_t root = 0;
  std::uint32_t names = 0;
  std::uint32_t languages = 0;
  std::uint32_t data = 0;
  return fileOffsetOf(image, layout, layout.resourceRva, 16, &root) &&
         directoryEntry(image, root, 0, &kVersionResourceType, true, &names) &&
         directoryEntry(image, root, names, nullptr, true, &languages) &&
         directoryEntry(image, root, languages, nullptr, false, &data) &&
         image.u32(root + data, rva) && image.u32(root + data + 4, size);
}

// Reads the fixed information that is the value of a VS_VERSIONINFO block.
bool readFixedInfo(const Bytes& image, std::uint64_t block, std::uint32_t size,
                   std::uint32_t* versionMs, std::uint32_t* versionLs) {
  constexpr std::uint64_t kValue = (6 + kVersionKeySize + 3) / 4 * 4;
  std::uint16_t length = 0;
  std::uint16_t valueLength = 0;
  std::uint32_t signature = 0;
  return image.u16(block, &length) && image.u16(block + 2, &valueLength) && length <= size &&
         valueLength >= kFixedInfoSize && kValue + kFixedInfoSize <= length &&
         image.equals(block + 6, kVersionKey, kVersionKeySize) &&
         image.u32(block + kValue, &signature) && signature == kFixedInfoSignature &&
         image.u32(block + kValue + 8, versionMs) && image.u32(block + kValue + 12, versionLs);
}

}  // namespace

bool findPeFileVersion(std::string_view bytes, std::uint32_t* versionMs, std::uint32_t* versionLs) {
  const Bytes image(bytes);
  ImageLayout layout;
  std::uint32_t rva = 0;
  std::uint32_t size = 0;
  std::uint64_t block = 0;
  std::uint32_t ms = 0;
  std::uint32_t ls = 0;
  if (!readLayout(image, &layout) || !findVersionData(image, layout, &rva, &size) ||
      !fileOffsetOf(image, layout, rva, size, &block) ||
      !readFixedInfo(image, block, size, &ms, &ls)) {
    return false;
  }
  *versionMs = ms;
  *versionLs = ls;
  return true;
}

}  // namespace platform
