#ifndef ZVK_CROSSCHECK_ENTRANT_REPORT_H_
#define ZVK_CROSSCHECK_ENTRANT_REPORT_H_

#include <cstdint>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "crosscheck/results.h"

// The log-check report one entrant receives, as data: reports/<CALL>.txt
// (report_text.h) and the entrant's page both render it.
namespace crosscheck {

// A QSO line as the report quotes it: where it is and what it says.
struct QuotedLine {
  std::string file;
  std::int32_t line = 0;
  std::string text;  // "2025-11-29 12:05 40m CW DL1ABC sent 5 rcvd NM"
};

// A QSO line that did not earn its claimed points, or that the organisers judged.
struct LostQso {
  QuotedLine own;
  std::optional<QuotedLine> other;  // the other station's line it was compared with
  Result result = Result::kOk;
  std::string reason;           // in words, for the operator
  std::int32_t pointsLost = 0;  // claimed points of the line minus its checked points
  std::string overrideReason;   // empty unless the overrides file judged it
};

// The multipliers a QSO was first to give, and the QSO.
struct MultiplierQso {
  std::string multipliers;  // "country per band DL, cq-zone per band 14"
  QuotedLine line;
};

struct EntrantReport {
  std::string call;
  // Header facts in order, label and value: "Claimed score", "Checked score",
  // "Clock offset", ...
  std::vector<std::pair<std::string, std::string>> facts;
  std::vector<LostQso> lost;  // in file order
  // With multipliers: their count by band and mode ("40m CW"), and the QSOs
  // that gave them, in file order.
  std::vector<std::pair<std::string, std::int32_t>> multipliersByBand;
  std::vector<MultiplierQso> multipliers;
};

EntrantReport entrantReport(const Results& results, std::size_t entrant);
// The same into `report`, written over: a writer that makes thousands of
// reports uses the room of the one before.
void fillEntrantReport(const Results& results, std::size_t entrant, EntrantReport* report);

}  // namespace crosscheck

#endif  // ZVK_CROSSCHECK_ENTRANT_REPORT_H_
