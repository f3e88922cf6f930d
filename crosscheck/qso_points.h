#ifndef ZVK_CROSSCHECK_QSO_POINTS_H_
#define ZVK_CROSSCHECK_QSO_POINTS_H_

#include <cstdint>
#include <optional>

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

  // The points of `line` in the log of the station `ownCall`.
  std::int32_t basePoints(const Line& line, TextId ownCall) const;

 private:
  std::int32_t byRelation(const Line& line, TextId ownCall) const;
  std::optional<Relation> zoneRelation(const Line& line) const;
  std::optional<std::int32_t> entryFor(Relation relation, std::string_view pair,
                                       std::string_view band) const;

  const ContestDefinition& definition_;
  const TextPool& texts_;
  const QsoFacts* facts_;
  std::optional<std::size_t> field_;  // PointsField's place in the exchange
};

}  // namespace crosscheck

#endif  // ZVK_CROSSCHECK_QSO_POINTS_H_
