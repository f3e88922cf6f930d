#include "fuzz/summary_text.h"

#include <cstdio>

#include "fuzz/check.h"
#include "score/summary_layout.h"

namespace {

using summary_layout::kColumnHeads;
using summary_layout::kLineEnd;
using summary_layout::kRowFormat;
using summary_layout::kTotalBand;
const std::string kTotal = std::string(kLineEnd) + kTotalBand + "\t ";
const std::string kScore = std::string(kLineEnd) + summary_layout::kScorePrefix;

std::string formatted(const char* format, const SummaryRow& row) {
  char line[256];
  std::snprintf(line, sizeof line, format, row.band.c_str(), row.qsos, row.points, row.members);
  return line;
}

// One "band\t qsos\t points\t  members" line, read and checked by writing it again.
SummaryRow parseRow(const std::string& line) {
  SummaryRow row;
  std::size_t tab = line.find('\t');
  require(tab != std::string::npos, "band row without a tab");
  row.band = line.substr(0, tab);
  std::sscanf(line.c_str() + tab, "\t %d\t %d\t  %d", &row.qsos, &row.points, &row.members);
  require(formatted(kRowFormat, row) == line, "band row out of layout");
  return row;
}

std::string paddedKey(const std::string& band) {
  return band.size() >= 20 ? band : std::string(20 - band.size(), '0') + band;
}

}  // namespace

SummaryText parseSummary(const std::string& text) {
  SummaryText summary;
  const std::size_t score = text.rfind(kScore);
  require(score != std::string::npos, "summary without a score line");
  std::sscanf(text.c_str() + score + kScore.size(), "%d", &summary.score);
  const std::string scoreLine = kScore + std::to_string(summary.score) + " " + kLineEnd + kLineEnd;
  require(text.compare(score, scoreLine.size(), scoreLine) == 0, "score line out of layout");

  const std::size_t total = text.rfind(kTotal, score);
  require(total != std::string::npos, "summary without a total line");
  const std::string totalLine = text.substr(total + 2, score - total - 2);
  summary.total = parseRow(totalLine);
  require(summary.total.band == kTotalBand, "total line out of layout");

  const std::size_t heads = text.rfind(kColumnHeads, total);
  require(heads != std::string::npos, "summary without column heads");
  std::size_t start = heads + sizeof kColumnHeads - 1;
  while (start < total + 2) {
    std::size_t end = text.find(kLineEnd, start);
    summary.rows.push_back(parseRow(text.substr(start, end + 2 - start)));
    start = end + 2;
  }
  return summary;
}

bool rowsInBandOrder(const std::vector<SummaryRow>& rows) {
  for (std::size_t i = 1; i < rows.size(); ++i) {
    if (paddedKey(rows[i - 1].band) < paddedKey(rows[i].band)) return false;
  }
  return true;
}
