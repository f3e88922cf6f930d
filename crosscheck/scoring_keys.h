#ifndef ZVK_CROSSCHECK_SCORING_KEYS_H_
#define ZVK_CROSSCHECK_SCORING_KEYS_H_

#include <string>
#include <vector>

#include "crosscheck/contest_definition.h"
#include "crosscheck/definition_keys.h"
#include "platform/posix/ini_text.h"

// The keys of multipliers, the score and points by where the stations are.
namespace crosscheck {

// Multipliers, Score, RelationPoints, PointsField and CountryFile, in the
// order a message lists them.
const std::vector<Key>& scoringKeys();

// The scoring keys as they go together, once every key is read: one of
// Points and RelationPoints, fields that are compared, a formula that has
// multipliers (points*multipliers when Multipliers is given without Score).
void requireScoring(ContestDefinition* definition, const platform::IniText& ini,
                    const std::string& file);

}  // namespace crosscheck

#endif  // ZVK_CROSSCHECK_SCORING_KEYS_H_
