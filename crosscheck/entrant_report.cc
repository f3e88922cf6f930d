#include "crosscheck/entrant_report.h"

#include <algorithm>
#include <cstdio>

#include "crosscheck/multiplier_summary.h"
#include "import/field_split.h"
#include "import/utc_time.h"

namespace crosscheck {
namespace {

constexpr std::size_t kUsualQuoteLength = 64;

constexpr char kVoidsBoth[] = ": an error by either side voids the QSO for both";

std::string orDash(std::string_view text) { return text.empty() ? "-" : std::string(text); }

// A QSO line as quoted, into `text`, written over: a report quotes a line for
// every loss and every multiplier.
void quoteText(const Results& results, const LineResult& line, std::string* text) {
  char minute[imports::kMinuteTextSize];
  text->assign(minute, imports::writeMinuteSpaced(line.time, minute));
  auto add = [text](std::string_view before, std::string_view part) {
    text->append(before).append(part.empty() ? "-" : part);
  };
  add(" ", results.text(line.band));
  add(" ", results.text(line.mode));
  add(" ", results.text(line.call));
  add(" sent ", results.text(line.exchSent));
  add(" rcvd ", results.text(line.exchRcvd));
}

QuotedLine quoted(const Results& results, const std::string& file, const LineResult& line) {
  QuotedLine quote{file, line.line, {}};
  quote.text.reserve(kUsualQuoteLength);
  quoteText(results, line, &quote.text);
  return quote;
}

std::string signedMinutes(std::int32_t minutes) {
  std::string text = (minutes > 0 ? "+" : "") + std::to_string(minutes) + " minutes";
  if (minutes > 0) text += " (the log's clock runs ahead)";
  if (minutes < 0) text += " (the log's clock runs behind)";
  return text;
}

std::string pointsText(std::int32_t points) {
  return std::to_string(points) + (points == 1 ? " point" : " points");
}

bool sameField(std::string_view a, std::string_view b) {
  auto number = [](std::string_view text) {
    return !text.empty() && text.find_first_not_of("0123456789") == std::string_view::npos;
  };
  if (a == b) return true;
  if (!number(a) || !number(b)) return false;
  a.remove_prefix(std::min(a.find_first_not_of('0'), a.size() - 1));
  b.remove_prefix(std::min(b.find_first_not_of('0'), b.size() - 1));
  return a == b;
}

// The fields of `copied` and `sent` that differ, field by field ("KN",
// "MM"); numbers equal but for leading zeros are the same field.
std::pair<std::string, std::string> differingFields(std::string_view copied,
                                                    std::string_view sent) {
  std::pair<std::string, std::string> differ;
  while (!copied.empty() || !sent.empty()) {
    const std::string_view mine = copied.substr(0, copied.find(' '));
    const std::string_view theirs = sent.substr(0, sent.find(' '));
    copied.remove_prefix(std::min(copied.size(), mine.size() + 1));
    sent.remove_prefix(std::min(sent.size(), theirs.size() + 1));
    if (sameField(mine, theirs)) continue;
    differ.first += (differ.first.empty() ? "" : " ") + orDash(mine);
    differ.second += (differ.second.empty() ? "" : " ") + orDash(theirs);
  }
  return differ;
}

std::string percent(double value) {
  char text[32];
  std::snprintf(text, sizeof text, "%.1f %%", value);
  return text;
}

class ReportBuilder {
 public:
  ReportBuilder(const Results& results, const Entrant& entrant)
      : results_(results), entrant_(entrant) {}

  std::vector<std::pair<std::string, std::string>> facts() const {
    std::vector<std::pair<std::string, std::string>> facts = {
        {"Contest", results_.contest},
        {"File", entrant_.file},
        {"Category", orDash(entrant_.categoryLabel)},
        {"Place", std::to_string(entrant_.place) + " in " + orDash(entrant_.categoryLabel)},
        {"Claimed score", std::to_string(entrant_.claimedByRules)},
    };
    if (entrant_.claimedScore)
      facts.push_back({"Claimed in log", std::to_string(*entrant_.claimedScore)});
    facts.push_back({"Checked score", std::to_string(entrant_.checkedScore)});
    if (!results_.multiplierRules.empty()) {
      facts.push_back({"QSO points", std::to_string(entrant_.qsoPoints)});
      facts.push_back({"Multipliers", std::to_string(entrant_.multipliers.size())});
      facts.push_back({"Score", results_.scoreFormula});
    }
    facts.push_back({"Clock offset", signedMinutes(entrant_.clockOffsetMinutes)});
    facts.push_back({"QSOs logged", std::to_string(entrant_.qsosLogged)});
    facts.push_back({"QSOs confirmed", std::to_string(entrant_.qsosConfirmed)});
    facts.push_back({"Error rate", percent(entrant_.errorRate)});
    return facts;
  }

  void multipliers(EntrantReport* report) const {
    report->multipliersByBand.clear();
    for (const MultiplierCount& count : multipliersByBand(results_, entrant_)) {
      report->multipliersByBand.push_back(
          {std::string(text(count.band)) + " " + std::string(text(count.mode)), count.count});
    }
    // A line that gives several multipliers is quoted once, with all of them.
    // The rows of the entrant before are written over: their texts' room is
    // used again rather than asked of the heap, which both writers share.
    std::vector<MultiplierQso>& qsos = report->multipliers;
    std::size_t rows = 0;
    for (const MultiplierFound& found : entrant_.multipliers) {
      const LineResult& line = entrant_.lines[static_cast<std::size_t>(found.lineIndex)];
      if (rows == 0 || qsos[rows - 1].line.line != line.line) {
        if (rows == qsos.size()) qsos.emplace_back();
        MultiplierQso& row = qsos[rows++];
        row.multipliers.clear();
        row.line.file = entrant_.file;
        row.line.line = line.line;
        quoteText(results_, line, &row.line.text);
      } else {
        qsos[rows - 1].multipliers.append(", ");
      }
      appendMultiplierName(results_, found, &qsos[rows - 1].multipliers);
    }
    qsos.resize(rows);
  }

  LostQso lost(const LineResult& line) const {
    LostQso qso;
    qso.own = quoted(results_, entrant_.file, line);
    if (const LineResult* other = partnerOf(line)) {
      qso.other = quoted(results_, results_.entrants[line.partner.entrant].file, *other);
    }
    qso.result = line.result;
    qso.reason = reason(line);
    qso.pointsLost = line.claimedPoints - line.points;
    qso.overrideReason = std::string(text(line.overrideReason));
    return qso;
  }

 private:
  const LineResult* partnerOf(const LineResult& line) const {
    if (!line.partner.found()) return nullptr;
    return &results_.entrants[line.partner.entrant].lines[line.partner.lineIndex];
  }

  std::string reason(const LineResult& line) const {
    const std::string call = orDash(text(line.call));
    const std::string where = std::string(text(line.band)) + " " + std::string(text(line.mode));
    const LineResult* other = partnerOf(line);
    switch (line.result) {
      case Result::kOk:
        return other || !results_.unlogged.points ? "confirmed" : withoutLog(line, call);
      case Result::kNotContest:
        if (line.offFrequency) {
          return "logged on " + where + " outside the contest's frequencies, " +
                 results_.frequencies.describe(text(line.band), text(line.mode));
        }
        return where + " is not a band and mode of the contest";
      case Result::kOutsidePeriod:
        return "logged outside the contest period, " + imports::formatMinuteSpaced(results_.from) +
               " to " + imports::formatMinuteSpaced(results_.to);
      case Result::kDupe:
        return "a repeat of an earlier QSO with " + call + " on " + where + " (no penalty)";
      case Result::kNotInLog:
        return notInLog(line, call, where, other);
      case Result::kBustedCall:
        return other ? "the station was " + std::string(text(line.correctCall)) +
                           ": its log holds this QSO with your call"
                     : call + " sent no log, is in few logs and is one character from " +
                           std::string(text(line.correctCall)) + ", which far more logs hold";
      case Result::kBustedExchange:
        return bustedExchange(line, call, other);
      case Result::kUnique:
        return call + " sent no log and " + tooFewText() +
               (line.points > 0 ? " (credited)" : " (not credited)");
      case Result::kPartnerBustedCall:
        return call + " logged your call as " + orDash(other ? text(other->call) : "") + kVoidsBoth;
      case Result::kPartnerBustedExchange:
        return partnerBustedExchange(line, call, other);
    }
    return std::string();
  }

  std::string partnerBustedExchange(const LineResult& line, const std::string& call,
                                    const LineResult* other) const {
    if (!other) return call + " miscopied the exchange" + kVoidsBoth;
    if (imports::lacksField(text(other->exchSent))) {
      return call + "'s log does not show the whole exchange it sent (" +
             std::string(text(other->exchSent)) + ")" + kVoidsBoth;
    }
    return call + " logged " + orDash(text(other->exchRcvd)) + ", you sent " +
           orDash(text(line.exchSent)) + kVoidsBoth;
  }

  // Today's words for the default, no other entrant: two logs credit a call.
  std::string tooFewText() const {
    const UnloggedCredit& credit = results_.unlogged;
    if (!credit.byLines && credit.least == UnloggedCredit().least) {
      return "no other entrant logged it";
    }
    return "is in fewer than " + std::to_string(credit.least) +
           (credit.byLines ? " QSO lines" : " logs") + " of all logs";
  }

  std::string withoutLog(const LineResult& line, const std::string& call) const {
    const UnloggedCredit& credit = results_.unlogged;
    return call + " sent no log and is in " + std::to_string(credit.least) + " or more" +
           (credit.byLines ? " QSO lines" : " logs") + ": credited with " + pointsText(line.points);
  }

  std::string bustedExchange(const LineResult& line, const std::string& call,
                             const LineResult* other) const {
    const std::string_view sent = text(line.exchSent);
    if (imports::lacksField(sent)) {
      return "your log does not show the whole exchange you sent (" + std::string(sent) + ")";
    }
    const std::string_view rcvd = text(line.exchRcvd);
    const std::string received =
        rcvd.empty() ? "no exchange received" : "received " + std::string(rcvd);
    if (line.correctExch == TextPool::kEmpty) return received;
    if (line.points > 0) {
      const auto [copied, given] = differingFields(rcvd, text(line.correctExch));
      return pointsText(line.points) + ": you copied " + copied + ", they sent " + given;
    }
    return received + ", but " + call +
           (other ? " logged sending " : " sent, as the other logs agree, ") +
           std::string(text(line.correctExch));
  }

  std::string notInLog(const LineResult& line, const std::string& call, const std::string& where,
                       const LineResult* other) const {
    const std::string window = std::to_string(results_.matchWindowMinutes) + "-minute window";
    if (other) {
      return call + "'s log holds this QSO at " + imports::formatMinuteSpaced(other->time) +
             ", outside the " + window +
             (results_.clocksCorrected ? " after both clocks are corrected" : " as both logged it");
    }
    return call + "'s log holds no QSO with " + entrant_.call + " on " + where + " within the " +
           window + " of " + imports::formatMinuteSpaced(line.time);
  }

  std::string_view text(TextId id) const { return results_.text(id); }

  const Results& results_;
  const Entrant& entrant_;
};

bool lostPoints(const LineResult& line) {
  const bool credited =
      line.result == Result::kOk || (line.result == Result::kUnique && line.points > 0);
  return !credited || line.points < line.claimedPoints || line.overrideReason != TextPool::kEmpty;
}

}  // namespace

void fillEntrantReport(const Results& results, std::size_t entrant, EntrantReport* report) {
  const Entrant& x = results.entrants[entrant];
  ReportBuilder builder(results, x);
  report->call = x.call;
  report->facts = builder.facts();
  report->lost.clear();
  for (const LineResult& line : x.lines) {
    if (lostPoints(line)) report->lost.push_back(builder.lost(line));
  }
  builder.multipliers(report);
}

EntrantReport entrantReport(const Results& results, std::size_t entrant) {
  EntrantReport report;
  fillEntrantReport(results, entrant, &report);
  return report;
}

}  // namespace crosscheck
