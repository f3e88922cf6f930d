#include "cabrillo/file_stem.h"

#include <algorithm>
#include <cstring>
#include <string>

#include "cabrillo/cabrillo_texts.h"
#include "cabrillo/station_data.h"
#include "platform/text.h"

namespace cabrillo {
namespace {

constexpr char kUnsafeCharacters[] = "<>:\"|?*";
constexpr const char* kDeviceNames[] = {
    "CON",  "PRN",  "AUX",  "NUL",  "COM1", "COM2", "COM3", "COM4", "COM5", "COM6", "COM7",
    "COM8", "COM9", "LPT1", "LPT2", "LPT3", "LPT4", "LPT5", "LPT6", "LPT7", "LPT8", "LPT9"};

bool isUnsafe(unsigned char c) { return c < 32 || std::strchr(kUnsafeCharacters, c) != nullptr; }

// Trail bytes of double-byte characters may look like unsafe characters; they
// are part of a letter and stay.
std::string replaceUnsafeCharacters(const std::string& text) {
  std::string safe = text;
  for (std::size_t i = 0; i < safe.size(); ++i) {
    const auto c = static_cast<unsigned char>(safe[i]);
    if (platform::isLeadByte(c) && i + 1 < safe.size()) {
      ++i;
    } else if (isUnsafe(c)) {
      safe[i] = '_';
    }
  }
  return safe;
}

bool isDeviceName(const std::string& text) {
  for (const char* device : kDeviceNames) {
    if (platform::equalNoCase(text.c_str(), device)) return true;
  }
  return false;
}

// Windows takes "CON.x.cbr" for the device as well: the part before the first
// dot, without trailing blanks, decides.
std::string avoidDeviceName(const std::string& stem) {
  const std::size_t baseEnd = std::min(stem.find('.'), stem.size());
  std::string base = stem.substr(0, baseEnd);
  base.erase(base.find_last_not_of(' ') + 1);
  if (!isDeviceName(base)) return stem;
  return base + "_" + stem.substr(base.size());
}

}  // namespace

CString makeFileStem(const CString& callsign) {
  CString stem = CStationData::ReplaceText(callsign, "/", "_");
  stem = CStationData::ReplaceText(stem, "\\", "_");
  stem.Trim();
  if (stem.IsEmpty()) return CString(kDefaultFileStem);
  return CString(avoidDeviceName(replaceUnsafeCharacters(stem.str())));
}

CString cabrilloFileName(const CString& fileStem) { return fileStem + kCabrilloExtension; }

}  // namespace cabrillo
