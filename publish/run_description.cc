#include "publish/run_description.h"

namespace publish {
namespace {

// " 9120 ok, 0 not-contest, ...": the partner results only when a line has
// one, as only a contest that voids a QSO for both sides gives them.
std::string countsText(const std::size_t (&counts)[crosscheck::kResultCount]) {
  std::size_t partnerLines = 0;
  for (int r = 0; r < crosscheck::kResultCount; ++r) {
    if (crosscheck::isPartnerResult(static_cast<crosscheck::Result>(r))) partnerLines += counts[r];
  }
  std::string text;
  for (int r = 0; r < crosscheck::kResultCount; ++r) {
    const auto result = static_cast<crosscheck::Result>(r);
    if (crosscheck::isPartnerResult(result) && partnerLines == 0) continue;
    text += (r > 0 ? ", " : " ") + std::to_string(counts[r]) + " " + crosscheck::resultName(result);
  }
  return text;
}

}  // namespace

std::string describeRun(const crosscheck::Results& results, const std::string& outDir) {
  std::size_t counts[crosscheck::kResultCount] = {};
  std::size_t lines = 0;
  for (const crosscheck::Entrant& entrant : results.entrants) {
    for (const crosscheck::LineResult& line : entrant.lines)
      ++counts[static_cast<int>(line.result)];
    lines += entrant.lines.size();
  }
  return std::to_string(results.entrants.size()) + " logs checked (" +
         std::to_string(results.unreadable.size()) + " unreadable, " +
         std::to_string(results.duplicateLogs.size()) + " duplicate calls), " +
         std::to_string(lines) + " QSO lines:" + countsText(counts) + "; written to " + outDir;
}

}  // namespace publish
