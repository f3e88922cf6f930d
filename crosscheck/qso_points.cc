#include "crosscheck/qso_points.h"

#include <algorithm>

#include "import/cabrillo_stations.h"

namespace crosscheck {
namespace {

constexpr std::size_t kLongestZoneDigits = 6;

std::optional<int> zoneNumber(std::string_view text) {
  if (text.empty() || text.size() > kLongestZoneDigits) return std::nullopt;
  int value = 0;
  for (char c : text) {
    if (c < '0' || c > '9') return std::nullopt;
    value = value * 10 + (c - '0');
  }
  return value;
}

// `entry` is in lower case already.
bool sameBand(std::string_view entry, std::string_view band) {
  if (entry.size() != band.size()) return false;
  for (std::size_t i = 0; i < band.size(); ++i) {
    const char c = band[i] >= 'A' && band[i] <= 'Z' ? static_cast<char>(band[i] + 32) : band[i];
    if (c != entry[i]) return false;
  }
  return true;
}

}  // namespace

QsoPoints::QsoPoints(const ContestDefinition& definition, const TextPool& texts,
                     const QsoFacts* facts)
    : definition_(definition),
      texts_(texts),
      facts_(facts),
      field_(comparedIndex(definition, definition.pointsField)) {
  if (definition.relationPoints.empty()) return;
  for (const std::string& band : definition.rules.bands) {
    TextId id = TextPool::kEmpty;
    if (!texts.find(band, &id)) continue;
    bands_.push_back(id);
    tables_.push_back(pointsOnBand(band));
  }
  tables_.push_back(pointsOnBand({}));
}

std::int32_t QsoPoints::basePoints(const Line& line, std::size_t index) const {
  if (!definition_.relationPoints.empty()) return byRelation(line, index);
  const std::string_view received = texts_.view(line.exchRcvd);
  return definition_.rules.points.pointsFor(field_ ? exchangeWord(received, *field_) : received);
}

std::int32_t QsoPoints::byRelation(const Line& line, std::size_t index) const {
  if (std::optional<Relation> zone = zoneRelation(line)) {
    if (std::optional<std::int32_t> points = entryFor(*zone, {}, texts_.view(line.band))) {
      return *points;
    }
  }
  return tableFor(line.band)[facts_->placeKey(index)];
}

const QsoPoints::PointsByPlace& QsoPoints::tableFor(TextId band) const {
  for (std::size_t k = 0; k < bands_.size(); ++k) {
    if (bands_[k] == band) return tables_[k];
  }
  return tables_.back();
}

// The most particular relation the definition gives points for, for each
// pair of places; a band's own entry before the one for every band.
QsoPoints::PointsByPlace QsoPoints::pointsOnBand(std::string_view band) const {
  PointsByPlace table;
  const std::int32_t other = entryFor(Relation::kOther, {}, band).value_or(0);
  for (std::size_t key = 0; key < QsoFacts::kPlaceKeys; ++key) {
    const bool sameCountry = key >= kContinentCodes * kContinentCodes;
    const std::string_view own = continentName((key / kContinentCodes) % kContinentCodes);
    const std::string_view theirs = continentName(key % kContinentCodes);
    const std::string pair =
        std::string(std::min(own, theirs)) + std::string(std::max(own, theirs));
    const std::pair<Relation, std::string_view> tried[] = {
        {sameCountry ? Relation::kSameCountry : Relation::kContinentPair, pair},
        {Relation::kContinentPair, pair},
        {own == theirs ? Relation::kSameContinent : Relation::kOtherContinent, {}}};
    table[key] = other;
    for (const auto& [relation, continents] : tried) {
      const std::string_view name = relation == Relation::kContinentPair ? continents : "";
      if (std::optional<std::int32_t> points = entryFor(relation, name, band)) {
        table[key] = *points;
        break;
      }
    }
  }
  table[QsoFacts::kNoPlaceKey] = other;
  return table;
}

// Zones are what the two stations sent each other, compared as numbers: a
// word where a zone goes (a society, an official) is no zone.
std::optional<Relation> QsoPoints::zoneRelation(const Line& line) const {
  if (!field_) return std::nullopt;
  const std::string_view received = exchangeWord(texts_.view(line.exchRcvd), *field_);
  if (received.empty() || received == imports::kMissingField) return std::nullopt;
  const std::optional<int> theirs = zoneNumber(received);
  if (!theirs) return Relation::kNoZone;
  const std::optional<int> own = zoneNumber(exchangeWord(texts_.view(line.exchSent), *field_));
  if (own && *own == *theirs) return Relation::kSameZone;
  return std::nullopt;
}

std::optional<std::int32_t> QsoPoints::entryFor(Relation relation, std::string_view pair,
                                                std::string_view band) const {
  std::optional<std::int32_t> anyBand;
  for (const RelationEntry& entry : definition_.relationPoints) {
    if (entry.relation != relation || entry.pair != pair) continue;
    if (entry.band.empty()) {
      anyBand = entry.points;
    } else if (sameBand(entry.band, band)) {
      return entry.points;
    }
  }
  return anyBand;
}

}  // namespace crosscheck
