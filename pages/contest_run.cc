#include "pages/contest_run.h"

#include "crosscheck/write_results.h"
#include "pages/contest_pages.h"

namespace pages {

crosscheck::Results checkAndPublish(const crosscheck::Request& request, const std::string& outDir) {
  crosscheck::Results results = crosscheck::crosscheckContest(request);
  crosscheck::writeResults(results, outDir,
                           [&](const std::string& folder) { writeContestPages(results, folder); });
  return results;
}

std::string describeRun(const crosscheck::Results& results, const std::string& outDir) {
  std::size_t counts[crosscheck::kResultCount] = {};
  std::size_t lines = 0;
  for (const crosscheck::Entrant& entrant : results.entrants) {
    for (const crosscheck::LineResult& line : entrant.lines)
      ++counts[static_cast<int>(line.result)];
    lines += entrant.lines.size();
  }
  std::string text = std::to_string(results.entrants.size()) + " logs checked (" +
                     std::to_string(results.unreadable.size()) + " unreadable, " +
                     std::to_string(results.duplicateLogs.size()) + " duplicate calls), " +
                     std::to_string(lines) + " QSO lines:";
  for (int r = 0; r < crosscheck::kResultCount; ++r) {
    text += (r > 0 ? ", " : " ") + std::to_string(counts[r]) + " " +
            crosscheck::resultName(static_cast<crosscheck::Result>(r));
  }
  return text + "; written to " + outDir;
}

}  // namespace pages
