#include "import/cabrillo_categories.h"

#include <algorithm>

#include "import/text_case.h"

namespace imports {
namespace {

constexpr char kOperator[] = "CATEGORY-OPERATOR";
constexpr char kAssisted[] = "CATEGORY-ASSISTED";
constexpr char kStation[] = "CATEGORY-STATION";
constexpr char kTransmitter[] = "CATEGORY-TRANSMITTER";
constexpr char kOldTag[] = "CATEGORY";

// 2.0 words that say two 3.0 fields at once.
struct OldWord {
  const char* word;
  std::vector<HeaderValue> fields;
};

const std::vector<OldWord>& oldWords() {
  static const std::vector<OldWord> kWords = {
      {"SINGLE-OP-ASSISTED", {{kOperator, "SINGLE-OP"}, {kAssisted, "ASSISTED"}}},
      {"SINGLE-OP-PORTABLE", {{kOperator, "SINGLE-OP"}, {kStation, "PORTABLE"}}},
      {"MULTI-ONE", {{kOperator, "MULTI-OP"}, {kTransmitter, "ONE"}}},
      {"MULTI-TWO", {{kOperator, "MULTI-OP"}, {kTransmitter, "TWO"}}},
      {"MULTI-MULTI", {{kOperator, "MULTI-OP"}, {kTransmitter, "UNLIMITED"}}},
      {"MULTI-LIMITED", {{kOperator, "MULTI-OP"}, {kTransmitter, "LIMITED"}}},
      {"MULTI-UNLIMITED", {{kOperator, "MULTI-OP"}, {kTransmitter, "UNLIMITED"}}},
      {"SCHOOL-CLUB", {{kStation, "SCHOOL"}}},
  };
  return kWords;
}

std::vector<HeaderValue> fieldsOfWord(const std::string& word) {
  for (const OldWord& old : oldWords()) {
    if (word == old.word) return old.fields;
  }
  for (const CategoryField& field : cabrilloCategories()) {
    auto same = [&](const std::string& value) { return toUpper(value) == word; };
    if (std::any_of(field.values.begin(), field.values.end(), same)) return {{field.tag, word}};
  }
  return {{kOldTag, word}};
}

}  // namespace

const std::vector<CategoryField>& cabrilloCategories() {
  static const std::vector<CategoryField> kFields = {
      {kOperator, {"SINGLE-OP", "MULTI-OP", "CHECKLOG"}},
      {kAssisted, {"ASSISTED", "NON-ASSISTED"}},
      {"CATEGORY-BAND",
       {"ALL", "160M", "80M", "40M",  "20M",  "15M",  "10M",   "6M",         "4M",
        "2M",  "222",  "432", "902",  "1.2G", "2.3G", "3.4G",  "5.7G",       "10G",
        "24G", "47G",  "75G", "123G", "134G", "241G", "LIGHT", "VHF-3-BAND", "VHF-FM-ONLY"}},
      {"CATEGORY-MODE", {"CW", "DIGI", "FM", "RTTY", "SSB", "MIXED"}},
      {"CATEGORY-POWER", {"HIGH", "LOW", "QRP"}},
      {kStation,
       {"DISTRIBUTED", "FIXED", "MOBILE", "PORTABLE", "ROVER", "ROVER-LIMITED", "ROVER-UNLIMITED",
        "EXPEDITION", "HQ", "SCHOOL", "EXPLORER"}},
      {kTransmitter, {"ONE", "TWO", "LIMITED", "UNLIMITED", "SWL"}},
      {"CATEGORY-OVERLAY", {"CLASSIC", "ROOKIE", "TB-WIRES", "YOUTH", "NOVICE-TECH", "OVER-50"}},
      {"CATEGORY-TIME", {"6-HOURS", "8-HOURS", "12-HOURS", "24-HOURS"}},
  };
  return kFields;
}

std::vector<std::string> categoryWords(std::string_view text) {
  std::string upper = toUpper(text);
  std::replace(upper.begin(), upper.end(), '\t', ' ');
  std::vector<std::string> words;
  for (std::size_t start = 0; start < upper.size();) {
    std::size_t end = upper.find(' ', start);
    if (end == std::string::npos) end = upper.size();
    if (end > start) words.push_back(upper.substr(start, end - start));
    start = end + 1;
  }
  return words;
}

std::vector<HeaderValue> categoriesOfOldLine(std::string_view value, int line) {
  std::vector<HeaderValue> fields;
  for (const std::string& word : categoryWords(value)) {
    for (HeaderValue& field : fieldsOfWord(word)) {
      field.line = line;
      fields.push_back(std::move(field));
    }
  }
  return fields;
}

}  // namespace imports
