#ifndef ZVK_CROSSCHECK_QSO_FACTS_H_
#define ZVK_CROSSCHECK_QSO_FACTS_H_

#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "countries/country_file.h"
#include "crosscheck/contest_definition.h"
#include "crosscheck/contest_logs.h"
#include "crosscheck/text_pool.h"

namespace crosscheck {

// The `index`th word of an exchange, blanks between words; empty when it has fewer.
std::string_view exchangeWord(std::string_view exchange, std::size_t index);

// Where a station is, as the country file says.
struct Place {
  const countries::Entity* entity = nullptr;
  int cqZone = 0;
  int ituZone = 0;
  std::uint8_t continent = 0;  // continentCode(), as the call's prefix may set it apart
};

// The file that tells where a station is; absent when nothing asks.
struct StationFiles {
  const countries::CountryFile* countries = nullptr;
};

// What the multipliers and the points by relation read of each QSO line:
// a call is looked up in the country file once however many lines hold
// it, and an exchange's field once however many lines received it. Built
// on one thread before the entrants are scored on two; only read after.
class QsoFacts {
 public:
  static constexpr TextId kNoValue = 0;

  QsoFacts(const ContestLogs& contest, const ContestDefinition& definition,
           const StationFiles& files);

  // The value line `line` gives for multiplier rule `rule`; kNoValue: none.
  TextId value(std::size_t line, std::size_t rule) const {
    return values_[line * ruleCount_ + rule];
  }
  std::string_view valueText(TextId value) const { return valueTexts_.view(value); }
  // How many values there are, kNoValue included: every value is below it.
  std::size_t valueCount() const { return valueTexts_.size(); }
  // The values' texts, for the results to keep once the lines are scored.
  TextPool takeValueTexts() { return std::move(valueTexts_); }
  // Where `call` is; nullptr: no country (an unknown prefix, /MM, no country file).
  const Place* placeOf(TextId call) const;

  // Where line `line`'s two stations are, as one number: whether they are
  // in one country, the log's continent and the worked station's
  // (continentCode()); kNoPlaceKey when either has no country.
  static constexpr std::size_t kPlaceKeys = 2 * kContinentCodes * kContinentCodes;
  static constexpr std::uint8_t kNoPlaceKey = kPlaceKeys;
  // Without a country file no line has a place.
  std::uint8_t placeKey(std::size_t line) const {
    return placeKeys_.empty() ? kNoPlaceKey : placeKeys_[line];
  }

 private:
  class Builder;

  std::size_t ruleCount_ = 0;
  std::vector<TextId> values_;  // by line, then rule
  TextPool valueTexts_;
  std::vector<Place> places_;
  std::vector<std::int32_t> placeOfCall_;  // by TextId: index in places_, -1: none
  std::vector<std::uint8_t> placeKeys_;    // by line, read in order while lines are scored
};

}  // namespace crosscheck

#endif  // ZVK_CROSSCHECK_QSO_FACTS_H_
