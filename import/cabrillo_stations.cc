#include "import/cabrillo_stations.h"

#include <algorithm>
#include <optional>
#include <utility>

#include "import/field_split.h"
#include "import/qso_tokens.h"

namespace imports {
namespace {

using Tokens = std::vector<std::string_view>;

constexpr std::size_t kSmallestHalfWithTransmitter = 3;  // call, report, exchange

std::size_t countWithoutTransmitter(const Tokens& tokens) {
  std::size_t count = tokens.size();
  if (count % 2 == 0 || count < 2 * kSmallestHalfWithTransmitter + 1) return count;
  std::size_t half = (count - 1) / 2;
  return isTransmitterId(tokens.back()) && looksLikeCall(tokens[half]) ? count - 1 : count;
}

bool hasReport(const CabrilloLayout& layout) { return layout.exchangeFields >= 2; }

// The worked call where the layout lets it stand, each half holding its call
// and no more than its fields: preferably a call followed by a report.
std::optional<std::size_t> callWithinLayout(const Tokens& tokens, std::size_t count,
                                            const CabrilloLayout& layout) {
  if (count < 2 || layout.exchangeFields < 0) return std::nullopt;
  const std::size_t width = 1 + static_cast<std::size_t>(layout.exchangeFields);
  const std::size_t first = count > width + 1 ? count - width : 1;
  const std::size_t last = std::min(width, count - 1);
  for (std::size_t i = first; hasReport(layout) && i + 1 < count && i <= last; ++i) {
    if (looksLikeCall(tokens[i]) && looksLikeReport(tokens[i + 1])) return i;
  }
  for (std::size_t i = first; i <= last; ++i) {
    if (looksLikeCall(tokens[i])) return i;
  }
  return std::nullopt;
}

std::size_t theirCallIndex(const Tokens& tokens, std::size_t count, const CabrilloLayout& layout) {
  if (count > 0 && count % 2 == 0 && looksLikeCall(tokens[count / 2])) return count / 2;
  if (std::optional<std::size_t> call = callWithinLayout(tokens, count, layout)) return *call;
  for (std::size_t i = 2; i + 1 < count; ++i) {
    if (looksLikeCall(tokens[i]) && looksLikeReport(tokens[i + 1])) return i;
  }
  return (count + 1) / 2;
}

StationColumns readColumns(const Tokens& tokens, std::size_t first, std::size_t end,
                           bool withReport) {
  StationColumns columns;
  if (first < end) columns.call = std::string(tokens[first]);
  std::size_t exchange = first + 1;
  if (withReport && exchange < end) columns.rst = std::string(tokens[exchange++]);
  for (std::size_t i = exchange; i < end; ++i) {
    if (!columns.exchange.empty()) columns.exchange += ' ';
    columns.exchange += tokens[i];
  }
  return columns;
}

// Whether a half's first field is its report. A lone field is the report when it looks
// like one; when both halves hold a lone field, the logger left out the same
// column in both, so one that is no report makes both exchanges.
std::pair<bool, bool> reportsOf(const Tokens& tokens, std::size_t theirs, std::size_t count,
                                const CabrilloLayout& layout) {
  if (!hasReport(layout)) return {false, false};
  const bool mineLone = theirs == 2;
  const bool theirsLone = count - theirs == 2;
  bool mine = !mineLone || looksLikeReport(tokens[1]);
  bool their = !theirsLone || looksLikeReport(tokens[theirs + 1]);
  if (mineLone && theirsLone) mine = their = mine && their;
  return {mine, their};
}

}  // namespace

StationPair splitStations(const Tokens& tokens, const CabrilloLayout& layout,
                          std::string_view ownCall) {
  if (!layout.fields.empty()) return splitByFields(tokens, layout.fields, ownCall);
  std::size_t count = countWithoutTransmitter(tokens);
  std::size_t theirs = theirCallIndex(tokens, count, layout);
  auto [mineReport, theirReport] = reportsOf(tokens, theirs, count, layout);
  return {readColumns(tokens, 0, theirs, mineReport),
          readColumns(tokens, theirs, count, theirReport)};
}

}  // namespace imports
