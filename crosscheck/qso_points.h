#ifndef ZVK_CROSSCHECK_QSO_POINTS_H_
#define ZVK_CROSSCHECK_QSO_POINTS_H_

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

#include "crosscheck/contest_definition.h"
#include "crosscheck/contest_logs.h"
#include "crosscheck/qso_facts.h"

namespace crosscheck {

// What a QSO line is worth before its judgement: by the exchange received
// (Points=, on the whole exchange or on PointsField's field), or by where
// the two stations are (RelationPoints=).
class QsoPoints {
 public:
  // `facts` may be null when the definition gives no RelationPoints.
  QsoPoints(const ContestDefinition& definition, const TextPool& texts, const QsoFacts* facts);

  // The points of `line`, line `index` of the contest.
  std::int32_t basePoints(const Line& line, std::size_t index) const;

 private:
  // By QsoFacts::placeKey().
  using PointsByPlace = std::array<std::int32_t, QsoFacts::kPlaceKeys + 1>;

  std::int32_t byRelation(const Line& line, std::size_t index) const;
  std::optional<Relation> zoneRelation(const Line& line) const;
  std::optional<std::int32_t> entryFor(Relation relation, std::string_view pair,
                                       std::string_view band) const;
  PointsByPlace pointsOnBand(std::string_view band) const;
  const PointsByPlace& tableFor(TextId band) const;

  const ContestDefinition& definition_;
  const TextPool& texts_;
  const QsoFacts* facts_;
  std::optional<std::size_t> field_;  // PointsField's place in the exchange
  // Worked out once, not for each of a million lines: by band as the logs
  // name the definition's bands, then for any other band.
  std::vector<TextId> bands_;
  std::vector<PointsByPlace> tables_;
};

}  // namespace crosscheck

#endif  // ZVK_CROSSCHECK_QSO_POINTS_H_
