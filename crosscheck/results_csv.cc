#include "crosscheck/results_csv.h"

#include <cstdio>
#include <string>

namespace crosscheck {
namespace {

constexpr char kHeader[] =
    "place,call,category,claimed,checked,qsos_logged,qsos_confirmed,error_rate_percent,"
    "claimed_by_rules\n";
// The same, with the score's parts beside it when the contest has multipliers.
constexpr char kMultiplierHeader[] =
    "place,call,category,claimed,checked,qso_points,multipliers,qsos_logged,qsos_confirmed,"
    "error_rate_percent,claimed_by_rules\n";

// A field as RFC 4180 has it: quoted when it holds a comma, quote or line end.
std::string field(const std::string& text) {
  if (text.find_first_of(",\"\r\n") == std::string::npos) return text;
  std::string quoted = "\"";
  for (char c : text) quoted += c == '"' ? std::string("\"\"") : std::string(1, c);
  return quoted + "\"";
}

std::string oneDecimal(double value) {
  char text[32];
  std::snprintf(text, sizeof text, "%.1f", value);
  return text;
}

}  // namespace

void writeResultsCsv(const Results& results, std::ostream& out) {
  const bool multipliers = !results.multiplierRules.empty();
  out << (multipliers ? kMultiplierHeader : kHeader);
  for (const Entrant& x : results.entrants) {
    out << x.place << ',' << field(x.call) << ',' << field(x.categoryLabel) << ','
        << (x.claimedScore ? std::to_string(*x.claimedScore) : std::string()) << ','
        << x.checkedScore << ',';
    if (multipliers) out << x.qsoPoints << ',' << x.multipliers.size() << ',';
    out << x.qsosLogged << ',' << x.qsosConfirmed << ',' << oneDecimal(x.errorRate) << ','
        << x.claimedByRules << '\n';
  }
}

}  // namespace crosscheck
