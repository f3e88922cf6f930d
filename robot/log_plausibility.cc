#include "robot/log_plausibility.h"

#include <algorithm>
#include <cstdlib>

#include "import/text_case.h"

namespace robot {
namespace {

// Lines that leave the sent call out say nothing against the header.
void warnAboutOwnCall(const imports::ImportedLog& log, std::vector<LineNote>* warnings) {
  const std::string header = imports::toUpper(log.ownCall);
  const imports::Qso* sent = nullptr;
  for (const imports::Qso& qso : log.qsos) {
    if (qso.myCall.empty()) continue;
    if (imports::toUpper(qso.myCall) == header) return;
    if (!sent) sent = &qso;
  }
  if (header.empty() || !sent) return;
  warnings->push_back({0, "",
                       "CALLSIGN: " + header + " is the call sent on no QSO line (line " +
                           std::to_string(sent->line) + " sends " + imports::toUpper(sent->myCall) +
                           ")"});
}

void warnAboutEnd(const imports::ImportedLog& log, imports::LogFormat format,
                  std::vector<LineNote>* warnings) {
  if (format != imports::LogFormat::kCabrillo) return;
  auto isEnd = [](const imports::HeaderValue& value) { return value.tag == "END-OF-LOG"; };
  if (std::any_of(log.otherHeader.begin(), log.otherHeader.end(), isEnd)) return;
  warnings->push_back(
      {0, "", "END-OF-LOG: missing: the log may be cut short; please check it is whole"});
}

void warnAboutClaim(LogFacts* facts) {
  if (!facts->claimedScore) return;
  const std::int64_t apart = std::llabs(*facts->claimedScore - facts->claimedByRules);
  const std::int64_t tolerance = std::max<std::int64_t>(
      kClaimTolerancePoints, std::llabs(facts->claimedByRules) * kClaimTolerancePercent / 100);
  if (apart <= tolerance) return;
  facts->warnings.push_back({0, "",
                             "CLAIMED-SCORE: " + std::to_string(*facts->claimedScore) +
                                 " is far from the " + std::to_string(facts->claimedByRules) +
                                 " the contest's rules give the log"});
}

}  // namespace

void warnAboutPlausibility(const imports::ImportedLog& log, imports::LogFormat format,
                           LogFacts* facts) {
  warnAboutOwnCall(log, &facts->warnings);
  warnAboutEnd(log, format, &facts->warnings);
  warnAboutClaim(facts);
}

}  // namespace robot
