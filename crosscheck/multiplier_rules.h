#ifndef ZVK_CROSSCHECK_MULTIPLIER_RULES_H_
#define ZVK_CROSSCHECK_MULTIPLIER_RULES_H_

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// How a contest multiplies its QSO points and what a QSO is worth by where
// the two stations are: the values of the definition's keys Multipliers,
// Score and RelationPoints, each read whole or not at all.
namespace crosscheck {

// What one multiplier counts: a field of the exchange received, or a fact
// of the worked station's call.
enum class MultiplierKind {
  kField,
  kCountry,
  kCqZone,
  kItuZone,
  kContinent,
  kWpxPrefix,
  kCall,
};

// How often a value counts: once, or once on each band, mode, or both.
enum class MultiplierScope { kContest, kBand, kMode, kBandAndMode };

struct MultiplierRule {
  MultiplierKind kind = MultiplierKind::kField;
  int field = 0;  // kField: 1-based position in Exchange=, reports included
  MultiplierScope scope = MultiplierScope::kContest;
  std::string name;  // "country per band", as the outputs name it
};

// "country per band, field 2 per band": each item a kind (field N, country,
// cq-zone, itu-zone, continent, wpx, call), then optionally "per band",
// "per mode" or "per band-mode" (default: once in the contest).
std::optional<std::vector<MultiplierRule>> parseMultipliers(std::string_view text);
constexpr std::size_t kMostMultiplierRules = 8;

// The checked score from the QSO points and the multipliers.
struct ScoreFormula {
  enum class Kind { kPoints, kTimesMultipliers, kPlusBonus };
  Kind kind = Kind::kPoints;
  std::int32_t bonus = 0;  // kPlusBonus: points per multiplier

  std::int64_t score(std::int64_t points, std::int64_t multipliers) const;
  std::string text() const;  // as the definition gives it
};

// "points", "points*multipliers" or "points+N*multipliers".
std::optional<ScoreFormula> parseScoreFormula(std::string_view text);

// Where the worked station is as seen from the entrant, most particular
// first: what decides a QSO's points by relation.
enum class Relation {
  kNoZone,    // the zone field received is no number (a society, an official)
  kSameZone,  // the zone fields sent and received are one number
  kSameCountry,
  kContinentPair,  // two named continents, two countries
  kSameContinent,
  kOtherContinent,
  kOther,  // "*": anything no other entry covers, a station of no known country included
};

struct RelationEntry {
  Relation relation = Relation::kOther;
  std::string pair;  // kContinentPair: the two continents in order, "EUNA"
  std::string band;  // lower case; empty: every band
  std::int32_t points = 0;
};

// A continent as a small number: 1 to 7 for AF, AN, AS, EU, NA, OC and SA;
// 0 for any other text.
constexpr int kContinentCodes = 8;
std::uint8_t continentCode(std::string_view continent);
// The continent of a code, "" for 0.
std::string_view continentName(std::uint8_t code);

// "same-country=0,same-continent=1,other-continent=3,NA-NA=2,other-continent@160m=6":
// each entry RELATION[@BAND]=N, RELATION one of same-zone, no-zone,
// same-country, same-continent, other-continent, a pair of continents
// (AF AN AS EU NA OC SA) such as NA-NA, or *.
std::optional<std::vector<RelationEntry>> parseRelationPoints(std::string_view text);

}  // namespace crosscheck

#endif  // ZVK_CROSSCHECK_MULTIPLIER_RULES_H_
