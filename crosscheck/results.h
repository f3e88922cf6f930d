#ifndef ZVK_CROSSCHECK_RESULTS_H_
#define ZVK_CROSSCHECK_RESULTS_H_

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "crosscheck/frequency_limits.h"
#include "crosscheck/text_pool.h"
#include "crosscheck/unlogged_credit.h"
#include "import/utc_time.h"

// What the cross-check found, as plain data: results.json, results.csv, the
// entrants' reports and the pages are renderings of it and recount nothing.
namespace crosscheck {

// The judgement of one QSO line; the names are what other tools read.
enum class Result : std::uint8_t {
  kOk,
  kNotContest,
  kOutsidePeriod,
  kDupe,
  kNotInLog,
  kBustedCall,
  kBustedExchange,
  kUnique,
  // Errors=both: the other station miscopied this QSO, which voids it for both.
  kPartnerBustedCall,
  kPartnerBustedExchange,
};
constexpr int kResultCount = 10;

// "ok", "not-contest", "outside-period", "dupe", "not-in-log", "busted-call",
// "busted-exchange", "unique", "partner-busted-call", "partner-busted-exchange".
const char* resultName(Result result);
std::optional<Result> resultFromName(std::string_view name);
// The results only Errors=both gives.
inline bool isPartnerResult(Result result) {
  return result == Result::kPartnerBustedCall || result == Result::kPartnerBustedExchange;
}

using imports::Minute;

// The other station's line a QSO was matched with.
struct PartnerRef {
  std::int32_t entrant = -1;   // index into Results::entrants; -1: none
  std::int32_t lineIndex = 0;  // index into that entrant's lines
  // Its line in that entrant's file, kept here: looking it up there would
  // be a jump across memory for every line written.
  std::int32_t fileLine = 0;
  bool found() const { return entrant >= 0; }
};

// One QSO line of an entrant's log and its judgement. Its texts are numbers
// in Results::texts (Results::text): a million lines stay small.
struct LineResult {
  std::int32_t line = 0;  // 1-based line in the file (ADIF: where the record starts)
  Minute time = 0;        // as logged
  TextId band = TextPool::kEmpty;
  TextId mode = TextPool::kEmpty;
  TextId call = TextPool::kEmpty;
  TextId exchSent = TextPool::kEmpty;
  TextId exchRcvd = TextPool::kEmpty;
  Result result = Result::kOk;
  // Whether the line may give a multiplier, by its result (a field value the
  // worked station's country may not send gives none all the same).
  bool multiplierCounts = false;
  bool offFrequency = false;       // not-contest: outside the contest's frequency limits
  std::int32_t claimedPoints = 0;  // what the plug-in counts for the line
  std::int32_t points = 0;  // what the line adds to the checked score (a penalty is negative)
  TextId correctCall = TextPool::kEmpty;  // busted-call: the call the other station has
  TextId correctExch = TextPool::kEmpty;  // busted-exchange: what the other station sent
  PartnerRef partner;
  TextId overrideReason = TextPool::kEmpty;  // set when the overrides file judged the line
};

struct BandTally {
  std::string band;
  std::int32_t logged = 0;
  std::int32_t confirmed = 0;  // ok lines
  std::int32_t points = 0;     // checked points
};

// A multiplier an entrant earned, and the line that first gave it.
struct MultiplierFound {
  std::uint8_t rule = 0;            // index into Results::multiplierRules
  TextId value = TextPool::kEmpty;  // in Results::multiplierValues
  TextId band = TextPool::kEmpty;   // of the line that gave it
  TextId mode = TextPool::kEmpty;
  std::int32_t lineIndex = 0;  // into Entrant::lines
};

struct Entrant {
  std::string call;
  std::string file;  // as given on the command line or found in a folder
  // Its files' name in reports/ and entrants/, without extension: unique
  // among the entrants (see nameEntrantFiles).
  std::string fileStem;
  // The log's CATEGORY-* header values in file order, e.g. {"CATEGORY-POWER", "LOW"}.
  std::vector<std::pair<std::string, std::string>> category;
  std::string categoryLabel;  // the values joined by blanks: the group places count in
  std::string club;           // the log's CLUB
  std::string soapbox;        // the log's SOAPBOX lines, a line each
  std::optional<std::int64_t> claimedScore;  // the log's CLAIMED-SCORE
  std::int64_t claimedByRules = 0;           // what the log claims by the rules
  std::int64_t claimedQsoPoints = 0;         // its parts: the points the log claims,
  std::int64_t claimedMultipliers = 0;       // and its multipliers (0: the contest has none)
  std::int64_t checkedScore = 0;
  std::int32_t clockOffsetMinutes = 0;  // positive: the log's clock runs ahead
  std::int32_t qsosLogged = 0;          // QSO lines
  std::int32_t qsosConfirmed = 0;       // ok lines
  double errorRate =
      0;  // percent of the contest QSOs judged not-in-log, busted-call or busted-exchange
  std::int32_t place = 0;                    // 1-based, within categoryLabel, by checked score
  std::vector<BandTally> bands;              // in the contest's band order, then others
  std::vector<LineResult> lines;             // in file order
  std::int64_t qsoPoints = 0;                // the lines' points, before the score formula
  std::vector<MultiplierFound> multipliers;  // in the order their lines are
};

struct StationWithoutLog {
  std::string call;
  std::int32_t appearances = 0;  // entrants that logged it
};

// Two or more files of one entrant call; the one with the most QSO lines is used.
struct DuplicateLog {
  std::string call;
  std::vector<std::string> files;
  std::string used;
};

// A file that could not be read as a log, with the importer's words.
struct UnreadableLog {
  std::string file;       // its name as sent, for the results everyone may read
  std::string path;       // as given to the cross-check, for the organiser's messages
  std::int32_t line = 0;  // 0: the file as a whole
  std::string error;      // "field: reason"
};

struct Results {
  std::string contest;
  Minute from = 0;
  Minute to = 0;
  std::int32_t matchWindowMinutes = 0;
  bool clocksCorrected = true;    // false: logs were matched on their times as logged
  FrequencyLimits frequencies;    // the definition's, for the reports
  UnloggedCredit unlogged;        // the definition's, for the reports
  std::vector<Entrant> entrants;  // by category label, then place
  std::vector<StationWithoutLog> stationsWithoutLog;  // by appearances, then call
  std::vector<DuplicateLog> duplicateLogs;
  std::vector<UnreadableLog> unreadable;
  TextPool texts;  // holds the lines' texts
  // The definition's multipliers by name ("country per band") and its score
  // formula ("points*multipliers"); empty: the contest has no multipliers.
  std::vector<std::string> multiplierRules;
  std::string scoreFormula;
  TextPool multiplierValues;  // what each multiplier found is ("DL", "14")

  std::string_view text(TextId id) const { return texts.view(id); }
};

}  // namespace crosscheck

#endif  // ZVK_CROSSCHECK_RESULTS_H_
