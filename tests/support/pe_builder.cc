#include "tests/support/pe_builder.h"

#include <cstddef>

namespace testing_support {
namespace {

constexpr std::uint32_t kFileAlignment = 0x200;
constexpr std::uint32_t kSectionAlignment = 0x1000;
constexpr std::uint32_t kPeOffset = 0x40;
constexpr std::uint32_t kOptionalHeader = kPeOffset + 24;
constexpr std::uint32_t kResourceRva = kSectionAlignment;
constexpr std::uint32_t kResourceFileOffset = kFileAlignment;
constexpr std::uint32_t kVersionType = 16;
constexpr std::uint32_t kManifestType = 24;
constexpr std::uint32_t kSubdirectory = 0x80000000u;

void put16(std::string* bytes, std::size_t offset, std::uint32_t value) {
  if (bytes->size() < offset + 2) bytes->resize(offset + 2);
  (*bytes)[offset] = static_cast<char>(value & 0xff);
  (*bytes)[offset + 1] = static_cast<char>(value >> 8 & 0xff);
}

void put32(std::string* bytes, std::size_t offset, std::uint32_t value) {
  put16(bytes, offset, value & 0xffff);
  put16(bytes, offset + 2, value >> 16);
}

std::uint32_t alignUp(std::size_t size, std::uint32_t alignment) {
  return static_cast<std::uint32_t>((size + alignment - 1) / alignment * alignment);
}

// VS_VERSIONINFO whose value is the fixed information and which has no children.
std::string versionBlock(std::uint32_t versionMs, std::uint32_t versionLs) {
  const char* key = "VS_VERSION_INFO";
  std::string block;
  put16(&block, 2, 52);  // value length
  put16(&block, 4, 0);   // binary value
  std::size_t at = 6;
  for (const char* c = key; *c; ++c, at += 2) put16(&block, at, static_cast<unsigned char>(*c));
  put16(&block, at, 0);
  const std::size_t value = alignUp(at + 2, 4);
  const std::uint32_t fixedInfo[13] = {0xFEEF04BDu, 0x00010000u, versionMs, versionLs,   versionMs,
                                       versionLs,   0x3f,        0,         0x00040004u, 1,
                                       0,           0,           0};
  for (std::size_t i = 0; i < 13; ++i) put32(&block, value + 4 * i, fixedInfo[i]);
  put16(&block, 0, static_cast<std::uint32_t>(block.size()));
  return block;
}

// A resource tree with one entry (type, id 1, language 0x409) holding `payload`.
std::string resourceSection(std::uint32_t type, const std::string& payload) {
  std::string section;
  const std::uint32_t directories[3][2] = {
      {type, kSubdirectory | 0x18}, {1, kSubdirectory | 0x30}, {0x409, 0x48}};
  for (std::uint32_t level = 0; level < 3; ++level) {
    const std::uint32_t directory = level * 0x18;
    put16(&section, directory + 14, 1);  // one numbered entry
    put32(&section, directory + 16, directories[level][0]);
    put32(&section, directory + 20, directories[level][1]);
  }
  put32(&section, 0x48, kResourceRva + 0x58);
  put32(&section, 0x4c, static_cast<std::uint32_t>(payload.size()));
  section.resize(0x58);
  section += payload;
  section.resize(alignUp(section.size(), kFileAlignment));
  return section;
}

void putHeaders(std::string* image, PeFormat format, std::uint32_t resourceSize) {
  const bool plus = format == PeFormat::kPe32Plus;
  const std::uint32_t optionalSize = plus ? 0xf0 : 0xe0;
  const std::uint32_t directories = kOptionalHeader + (plus ? 112 : 96);
  image->assign(kFileAlignment, '\0');
  (*image)[0] = 'M';
  (*image)[1] = 'Z';
  put32(image, 0x3c, kPeOffset);
  image->replace(kPeOffset, 4, std::string("PE\0\0", 4));
  put16(image, kPeOffset + 4, plus ? 0x8664 : 0x14c);
  put16(image, kPeOffset + 6, 1);  // one section
  put16(image, kPeOffset + 20, optionalSize);
  put16(image, kPeOffset + 22, plus ? 0x22 : 0x102);
  put16(image, kOptionalHeader, plus ? 0x20b : 0x10b);
  put32(image, kOptionalHeader + 32, kSectionAlignment);
  put32(image, kOptionalHeader + 36, kFileAlignment);
  put32(image, kOptionalHeader + 56, kResourceRva + alignUp(resourceSize, kSectionAlignment));
  put32(image, kOptionalHeader + 60, kFileAlignment);
  put16(image, kOptionalHeader + 68, 2);  // GUI subsystem
  put32(image, directories - 4, 16);      // number of data directories
  put32(image, directories + 16, kResourceRva);
  put32(image, directories + 20, resourceSize);
  const std::uint32_t section = kOptionalHeader + optionalSize;
  image->replace(section, 6, ".rsrc\0", 6);
  put32(image, section + 8, resourceSize);
  put32(image, section + 12, kResourceRva);
  put32(image, section + 16, resourceSize);
  put32(image, section + 20, kResourceFileOffset);
  put32(image, section + 36, 0x40000040u);  // initialised, readable data
}

std::string buildPe(PeFormat format, std::uint32_t type, const std::string& payload) {
  const std::string resources = resourceSection(type, payload);
  std::string image;
  putHeaders(&image, format, static_cast<std::uint32_t>(resources.size()));
  return image + resources;
}

}  // namespace

std::string buildPeWithVersion(std::uint16_t a, std::uint16_t b, std::uint16_t c, std::uint16_t d,
                               PeFormat format) {
  return buildPe(format, kVersionType,
                 versionBlock(std::uint32_t{a} << 16 | b, std::uint32_t{c} << 16 | d));
}

std::string buildPeWithoutVersion() {
  return buildPe(PeFormat::kPe32, kManifestType,
                 "<assembly xmlns=\"urn:schemas-microsoft-com:asm.v1\" manifestVersion=\"1.0\"/>");
}

}  // namespace testing_support
