#include "crosscheck/scoring_keys.h"

namespace crosscheck {
namespace {

void requireField(const ContestDefinition& definition, const Setting& setting, int field) {
  if (field > 0 && !comparedIndex(definition, field)) {
    reject(setting, "names field " + std::to_string(field) + ", a report or no field of Exchange");
  }
}

}  // namespace

const std::vector<Key>& scoringKeys() {
  static const std::vector<Key> kKeys = {
      {"Multipliers", false,
       [](const Setting& s, ContestDefinition* d) {
         d->multipliers =
             orReject(parseMultipliers(s.value), s,
                      "is not a list of field N, country, cq-zone, itu-zone, continent, "
                      "wpx or call, each with per band, mode or band-mode if not once");
       }},
      {"Score", false,
       [](const Setting& s, ContestDefinition* d) {
         d->score = orReject(parseScoreFormula(s.value), s,
                             "is not points, points*multipliers or points+N*multipliers");
       }},
      {"RelationPoints", false,
       [](const Setting& s, ContestDefinition* d) {
         d->relationPoints = orReject(parseRelationPoints(s.value), s,
                                      "is not a list of RELATION[@BAND]=N, each relation once");
       }},
      {"PointsField", false,
       [](const Setting& s, ContestDefinition* d) { d->pointsField = readCount(s, 1, 16); }},
      {"CountryFile", false,
       [](const Setting& s, ContestDefinition* d) { d->countryFile = besideDefinition(s); }},
  };
  return kKeys;
}

void requireScoring(ContestDefinition* definition, const platform::IniText& ini,
                    const std::string& file) {
  const std::string points = givenValue(ini, "Points");
  const std::string relations = givenValue(ini, "RelationPoints");
  if (points.empty() == relations.empty()) {
    if (points.empty()) failDefinition(keyPlace(file, "Points"), "missing");
    reject({file, "RelationPoints", relations}, "goes instead of Points, not with it");
  }
  const std::string score = givenValue(ini, "Score");
  if (score.empty() && !definition->multipliers.empty()) {
    definition->score.kind = ScoreFormula::Kind::kTimesMultipliers;
  }
  if (definition->multipliers.empty() && definition->score.kind != ScoreFormula::Kind::kPoints) {
    reject({file, "Score", score}, "counts multipliers, and Multipliers is not given");
  }
  const std::string multipliers = givenValue(ini, "Multipliers");
  for (const MultiplierRule& rule : definition->multipliers) {
    requireField(*definition, {file, "Multipliers", multipliers}, rule.field);
  }
  requireField(*definition, {file, "PointsField", givenValue(ini, "PointsField")},
               definition->pointsField);
}

}  // namespace crosscheck
