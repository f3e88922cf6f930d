#include "pages/station_details.h"

#include "cabrillo/cabrillo_texts.h"
#include "cabrillo/soapbox.h"
#include "platform/env.h"

namespace pages {
namespace {

struct Shown {
  const char* label;
  const char* headerTag;    // nullptr: a Cabrillo header has no such line
  const char* settingsKey;  // nullptr: the settings file does not keep it
};

// Before the categories: the call and operators; after them the rest.
constexpr std::size_t kShownBeforeCategories = 1;
constexpr Shown kShown[] = {
    {"Operators", "OPERATORS", cabrillo::kKeyOperators},
    {"Category operator", nullptr, cabrillo::kKeyCategory},
    {"Category power", nullptr, cabrillo::kKeyPower},
    {"Name", "NAME", cabrillo::kKeyName},
    {"Club", "CLUB", cabrillo::kKeyClub},
    {"Location", "LOCATION", cabrillo::kKeyLocation},
    {"Soapbox", "SOAPBOX", cabrillo::kKeySoapBox},
};

// "CATEGORY-POWER": "Category power".
std::string categoryLabel(const std::string& tag) {
  std::string label = tag;
  for (std::size_t i = 0; i < label.size(); ++i) {
    char c = label[i];
    label[i] = c == '-'                        ? ' '
               : i > 0 && c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a')
                                               : c;
  }
  return label;
}

void addShown(const imports::ImportedLog& log, const Shown& shown, std::vector<DetailRow>* rows) {
  if (shown.headerTag == nullptr) return;
  std::string value = headerValue(log.otherHeader, shown.headerTag);
  if (!value.empty()) rows->push_back({shown.label, value});
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

std::string headerValue(const std::vector<imports::HeaderValue>& header, const char* tag) {
  std::string value;
  for (const imports::HeaderValue& field : header) {
    if (field.tag != tag || field.value.empty()) continue;
    value += (value.empty() ? "" : "\n") + field.value;
  }
  return value;
}

std::vector<DetailRow> stationFromHeader(const imports::ImportedLog& log) {
  std::vector<DetailRow> rows;
  if (log.categories.empty() && log.otherHeader.empty()) return rows;
  if (!log.ownCall.empty()) rows.push_back({"Call", log.ownCall});
  for (std::size_t i = 0; i < kShownBeforeCategories; ++i) addShown(log, kShown[i], &rows);
  for (const imports::HeaderValue& category : log.categories) {
    if (!category.value.empty()) rows.push_back({categoryLabel(category.tag), category.value});
  }
  for (std::size_t i = kShownBeforeCategories; i < std::size(kShown); ++i) {
    addShown(log, kShown[i], &rows);
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
