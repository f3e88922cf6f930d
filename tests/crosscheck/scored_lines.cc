#include "tests/crosscheck/scored_lines.h"

#include "tests/support/temp_dir.h"

namespace testing_support {
namespace {

constexpr char kDate[] = "2025-06-14";

std::string cabrillo(const std::string& call, const std::vector<std::string>& lines) {
  std::string text = "START-OF-LOG: 3.0\nCALLSIGN: " + call + "\n";
  for (const std::string& line : lines) text += "QSO: " + line + "\n";
  return text + "END-OF-LOG:\n";
}

}  // namespace

void both(Logs* logs, const std::string& where, const std::string& hhmm, const std::string& a,
          const std::string& aSent, const std::string& b, const std::string& bSent) {
  const std::string at = where + " " + kDate + " " + hhmm + " ";
  (*logs)[a].push_back(at + a + " " + aSent + " " + b + " " + bSent);
  (*logs)[b].push_back(at + b + " " + bSent + " " + a + " " + aSent);
}

void half(Logs* logs, const std::string& where, const std::string& hhmm, const std::string& a,
          const std::string& aSent, const std::string& b, const std::string& bRcvd) {
  (*logs)[a].push_back(where + " " + kDate + " " + hhmm + " " + a + " " + aSent + " " + b + " " +
                       bRcvd);
}

crosscheck::Results check(const Logs& logs, const crosscheck::ContestDefinition& definition) {
  crosscheck::Request request;
  for (const auto& [call, lines] : logs) {
    request.files.push_back(call + ".log");
    writeFile(request.files.back(), cabrillo(call, lines));
  }
  request.definition = definition;
  request.definition.from = imports::UtcTime{2025, 6, 14, 7, 0, 0};
  request.definition.to = imports::UtcTime{2025, 6, 14, 9, 0, 0};
  return crosscheck::crosscheckContest(request);
}

std::string scored(const crosscheck::Results& results) {
  std::map<std::string, std::string> byCall;
  for (const crosscheck::Entrant& entrant : results.entrants) {
    for (const crosscheck::LineResult& line : entrant.lines) {
      byCall[entrant.call] +=
          entrant.call + " " + imports::formatMinute(line.time).substr(11) + " " +
          std::string(results.text(line.call)) + " " + crosscheck::resultName(line.result) + " " +
          std::to_string(line.points) + (line.multiplierCounts ? " m" : " -") + "\n";
    }
  }
  std::string text;
  for (const auto& [call, lines] : byCall) text += lines;
  for (const auto& [call, lines] : byCall) {
    for (const crosscheck::Entrant& entrant : results.entrants) {
      if (entrant.call == call) text += call + "=" + std::to_string(entrant.checkedScore) + " ";
    }
  }
  return text;
}

}  // namespace testing_support
