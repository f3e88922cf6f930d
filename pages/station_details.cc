#include "pages/station_details.h"

#include "cabrillo/cabrillo_texts.h"
#include "cabrillo/soapbox.h"
#include "platform/env.h"

namespace pages {
namespace {

struct Shown {
  const char* label;
  const char* headerTag;
  const char* settingsKey;  // nullptr: the settings file does not keep it
};

constexpr Shown kShown[] = {
    {"Call", "CALLSIGN", nullptr},
    {"Operators", "OPERATORS", cabrillo::kKeyOperators},
    {"Category operator", "CATEGORY-OPERATOR", cabrillo::kKeyCategory},
    {"Category band", "CATEGORY-BAND", nullptr},
    {"Category power", "CATEGORY-POWER", cabrillo::kKeyPower},
    {"Category mode", "CATEGORY-MODE", nullptr},
    {"Category assisted", "CATEGORY-ASSISTED", nullptr},
    {"Category station", "CATEGORY-STATION", nullptr},
    {"Category transmitter", "CATEGORY-TRANSMITTER", nullptr},
    {"Category overlay", "CATEGORY-OVERLAY", nullptr},
    {"Name", "NAME", cabrillo::kKeyName},
    {"Club", "CLUB", cabrillo::kKeyClub},
    {"Location", "LOCATION", cabrillo::kKeyLocation},
    {"Soapbox", "SOAPBOX", cabrillo::kKeySoapBox},
};

// Repeated tags (a soapbox of several lines) are one value, a line each.
std::string headerValue(const std::vector<cli::HeaderField>& header, const char* tag) {
  std::string value;
  for (const cli::HeaderField& field : header) {
    if (field.tag != tag || field.value.empty()) continue;
    value += (value.empty() ? "" : "\n") + field.value;
  }
  return value;
}

std::string settingsValue(const std::string& path, const char* key) {
  CString stored =
      platform::Env::current().readProfileString(cabrillo::kSettingsSection, key, "", path.c_str());
  if (key != cabrillo::kKeySoapBox) return stored.str();
  std::string text = cabrillo::soapboxEditForm(stored).str();
  std::string lines;
  for (char c : text) {
    if (c != '\r') lines += c;
  }
  return lines;
}

}  // namespace

std::vector<DetailRow> stationFromHeader(const std::vector<cli::HeaderField>& header) {
  std::vector<DetailRow> rows;
  for (const Shown& shown : kShown) {
    std::string value = headerValue(header, shown.headerTag);
    if (!value.empty()) rows.push_back({shown.label, value});
  }
  return rows;
}

std::vector<DetailRow> stationFromSettings(const std::string& path) {
  std::vector<DetailRow> rows;
  for (const Shown& shown : kShown) {
    if (shown.settingsKey == nullptr) continue;
    std::string value = settingsValue(path, shown.settingsKey);
    if (!value.empty()) rows.push_back({shown.label, value});
  }
  return rows;
}

}  // namespace pages
