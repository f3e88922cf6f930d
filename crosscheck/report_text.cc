#include "crosscheck/report_text.h"

#include <algorithm>

namespace crosscheck {
namespace {

constexpr std::size_t kLabelWidth = 18;

std::string padded(const std::string& label) {
  std::string text = label + ":";
  text.resize(std::max(text.size() + 1, kLabelWidth), ' ');
  return text;
}

// "W1DD.log:3: 2025-11-29 12:01 20m CW DL1AA sent 5 rcvd 14" and a line's end.
void appendQuoted(const QuotedLine& line, std::string* text) {
  text->append(line.file).append(":").append(std::to_string(line.line)).append(": ");
  text->append(line.text) += '\n';
}

// Nothing for a contest without multipliers.
void appendMultipliers(const EntrantReport& report, std::string* text) {
  if (report.multipliersByBand.empty()) return;
  text->append("\nMultipliers by band:\n");
  for (const auto& [band, count] : report.multipliersByBand) {
    text->append("  ").append(padded(band)).append(std::to_string(count)) += '\n';
  }
  text->append("\nMultipliers and the QSOs that gave them:\n");
  for (const MultiplierQso& qso : report.multipliers) {
    text->append("  ").append(qso.multipliers).append(": ");
    appendQuoted(qso.line, text);
  }
}

}  // namespace

std::string reportText(const EntrantReport& report) {
  std::string text = "Log check of " + report.call + "\n\n";
  for (const auto& [label, value] : report.facts) text.append(padded(label)).append(value) += '\n';
  text.append("\nQSOs that lost points or were judged by hand: ")
      .append(std::to_string(report.lost.size())) += '\n';
  for (const LostQso& qso : report.lost) {
    text += '\n';
    appendQuoted(qso.own, &text);
    text.append("  ").append(resultName(qso.result)).append(", ");
    text.append(std::to_string(qso.pointsLost)).append(" points lost: ").append(qso.reason) += '\n';
    if (qso.other) {
      text.append("  other log ");
      appendQuoted(*qso.other, &text);
    }
    if (!qso.overrideReason.empty())
      text.append("  judged by the organisers: ").append(qso.overrideReason) += '\n';
  }
  appendMultipliers(report, &text);
  return text;
}

}  // namespace crosscheck
