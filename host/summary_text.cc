#include "host/summary_text.h"

#include <cstdlib>

#include "score/summary_layout.h"

namespace host {
namespace {

constexpr std::string_view kLineEnd = summary_layout::kLineEnd;
constexpr std::string_view kContestantPrefix = summary_layout::kContestantPrefix;
constexpr std::string_view kTotalBand = summary_layout::kTotalBand;
constexpr std::string_view kScorePrefix = summary_layout::kScorePrefix;

std::vector<std::string_view> splitLines(std::string_view text) {
  std::vector<std::string_view> lines;
  for (std::size_t start = 0;;) {
    std::size_t end = text.find(kLineEnd, start);
    lines.push_back(text.substr(start, end == std::string_view::npos ? end : end - start));
    if (end == std::string_view::npos) return lines;
    start = end + kLineEnd.size();
  }
}

std::optional<long> readNumber(std::string_view text) {
  std::size_t first = text.find_first_not_of(' ');
  std::size_t last = text.find_last_not_of(' ');
  if (first == std::string_view::npos) return std::nullopt;
  std::string digits(text.substr(first, last - first + 1));
  char* end = nullptr;
  long value = std::strtol(digits.c_str(), &end, 10);
  if (*end != '\0') return std::nullopt;
  return value;
}

// "band\t qsos\t points\t  members"
std::optional<BandRow> readBandRow(std::string_view line) {
  std::vector<std::string_view> cells;
  for (std::size_t start = 0;;) {
    std::size_t tab = line.find('\t', start);
    cells.push_back(line.substr(start, tab == std::string_view::npos ? tab : tab - start));
    if (tab == std::string_view::npos) break;
    start = tab + 1;
  }
  if (cells.size() != 4) return std::nullopt;
  std::optional<long> qsos = readNumber(cells[1]);
  std::optional<long> points = readNumber(cells[2]);
  std::optional<long> members = readNumber(cells[3]);
  if (!qsos || !points || !members) return std::nullopt;
  return BandRow{std::string(cells[0]), *qsos, *points, *members};
}

// "TITLE  from-to "
bool readHeading(std::string_view line, Summary* summary) {
  std::size_t gap = line.find("  ");
  std::size_t dash = line.find('-', gap == std::string_view::npos ? 0 : gap);
  if (gap == std::string_view::npos || dash == std::string_view::npos || line.empty() ||
      line.back() != ' ') {
    return false;
  }
  summary->title = std::string(line.substr(0, gap));
  summary->periodFrom = std::string(line.substr(gap + 2, dash - gap - 2));
  summary->periodTo = std::string(line.substr(dash + 1, line.size() - dash - 2));
  return true;
}

bool readRows(const std::vector<std::string_view>& lines, std::size_t* next, Summary* summary) {
  for (; *next < lines.size(); ++*next) {
    std::optional<BandRow> row = readBandRow(lines[*next]);
    if (!row) return false;
    if (row->band == kTotalBand) {
      summary->total = *row;
      ++*next;
      return true;
    }
    summary->bands.push_back(*row);
  }
  return false;
}

}  // namespace

std::optional<Summary> parseSummary(std::string_view text) {
  std::vector<std::string_view> lines = splitLines(text);
  Summary summary;
  if (lines.size() < 4 || !readHeading(lines[0], &summary)) return std::nullopt;
  if (lines[1].substr(0, kContestantPrefix.size()) != kContestantPrefix) return std::nullopt;
  summary.contestant = std::string(lines[1].substr(kContestantPrefix.size()));
  std::size_t next = 3;
  if (!readRows(lines, &next, &summary)) return std::nullopt;
  if (next + 1 >= lines.size() || !lines[next].empty()) return std::nullopt;
  std::string_view score = lines[next + 1];
  if (score.substr(0, kScorePrefix.size()) != kScorePrefix) return std::nullopt;
  std::optional<long> claimed = readNumber(score.substr(kScorePrefix.size()));
  if (!claimed) return std::nullopt;
  summary.claimedScore = *claimed;
  return summary;
}

}  // namespace host
