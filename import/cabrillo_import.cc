#include "import/cabrillo_import.h"

#include <algorithm>

#include "import/band_plan.h"
#include "import/cabrillo_categories.h"
#include "import/cabrillo_stations.h"
#include "import/log_header.h"
#include "import/text_case.h"
#include "import/utc_time.h"

namespace imports {
namespace {

constexpr int kKilohertzDigits = 3;
constexpr std::size_t kLeadingFields = 4;  // frequency, mode, date, time
constexpr std::size_t kUsualFields = 12;   // the leading ones, two stations and a transmitter
constexpr std::string_view kQsoTag = "QSO";

using Tokens = std::vector<std::string_view>;

bool isBlank(char c) { return c == ' ' || c == '\t'; }

// Called for every QSO line: one pass, no search per character, into the
// tokens of the line before so that no line allocates.
void splitBlanks(std::string_view text, Tokens* tokens) {
  tokens->clear();
  for (std::size_t i = 0; i < text.size();) {
    if (isBlank(text[i])) {
      ++i;
      continue;
    }
    const std::size_t start = i;
    while (i < text.size() && !isBlank(text[i])) ++i;
    tokens->push_back(text.substr(start, i - start));
  }
}

// Cabrillo's two-letter modes by the names the host gives them.
std::string cabrilloMode(std::string_view mode) {
  std::string upper = toUpper(mode);
  const std::string_view name = upper;
  if (name == std::string_view("PH")) return "SSB";
  if (name == std::string_view("RY")) return "RTTY";
  if (name == std::string_view("DG")) return "DATA";
  return upper;
}

// Reads the fields of one QSO line, adding the first it cannot read to the
// log's problems.
class QsoLineReader {
 public:
  QsoLineReader(const std::string& fileName, int line, LogProblems* problems)
      : fileName_(fileName), line_(line), problems_(problems) {}

  std::optional<std::uint64_t> frequency(std::string_view text) {
    if (std::optional<std::uint64_t> edge = cabrilloBandEdge(text)) return *edge;
    std::optional<std::uint64_t> hz = parseScaledFrequency(text, kKilohertzDigits);
    if (!hz) return fail("frequency", "\"" + std::string(text) + "\" is not a frequency in kHz");
    return hz;
  }

  std::optional<COleDateTime> time(std::string_view date, std::string_view clock) {
    std::optional<UtcTime> time = parseDashedDate(date);
    if (!time) return fail("date", "\"" + std::string(date) + "\" is not a date (YYYY-MM-DD)");
    if (!setTimeOfDay(clock, &*time)) {
      return fail("time", "\"" + std::string(clock) + "\" is not a time (HHMM)");
    }
    return toOleDate(*time);
  }

  std::nullopt_t fail(const char* field, const std::string& reason) {
    problems_->push_back({fileName_, line_, field, reason});
    return std::nullopt;
  }

 private:
  const std::string& fileName_;
  int line_;
  LogProblems* problems_;
};

// Fills `qso`, made in its place in the log: false when a field cannot be
// read, and the caller drops the half-filled QSO.
bool readQsoLine(Tokens& tokens, int line, const CabrilloLayout& layout, std::string_view ownCall,
                 QsoLineReader* reader, Qso* qso) {
  if (tokens.size() < kLeadingFields + 2) {
    reader->fail("QSO", "needs frequency, mode, date, time, own call and call");
    return false;
  }
  const std::optional<std::uint64_t> frequencyHz = reader->frequency(tokens[0]);
  if (!frequencyHz) return false;
  const std::optional<COleDateTime> time = reader->time(tokens[2], tokens[3]);
  if (!time) return false;
  qso->line = line;
  qso->frequencyHz = *frequencyHz;
  qso->band = bandFromFrequency(qso->frequencyHz);
  qso->mode = cabrilloMode(tokens[1]);
  qso->time = *time;
  tokens.erase(tokens.begin(), tokens.begin() + kLeadingFields);
  StationPair stations = splitStations(tokens, layout, ownCall);
  qso->myCall = std::move(stations.mine.call);
  qso->rstSent = std::move(stations.mine.rst);
  qso->exchSent = std::move(stations.mine.exchange);
  qso->call = std::move(stations.theirs.call);
  qso->rstRcvd = std::move(stations.theirs.rst);
  qso->exchRcvd = std::move(stations.theirs.exchange);
  return true;
}

bool isBlankOrReturn(char c) { return isBlank(c) || c == '\r'; }

// Asked twice for every line: a walk in from each end.
std::string_view trimmed(std::string_view text) {
  while (!text.empty() && isBlankOrReturn(text.front())) text.remove_prefix(1);
  while (!text.empty() && isBlankOrReturn(text.back())) text.remove_suffix(1);
  return text;
}

void readLine(std::string_view text, int line, const CabrilloLayout& layout, ImportedLog* log,
              Tokens* tokens, LogProblems* problems) {
  std::size_t colon = text.find(':');
  if (colon == std::string_view::npos) return;
  const std::string_view tag = trimmed(text.substr(0, colon));
  std::string_view value = trimmed(text.substr(colon + 1));
  // Nearly every line is a QSO line: told without making an upper-case copy.
  if (tag.size() == kQsoTag.size() && startsWithNoCase(tag, kQsoTag)) {
    splitBlanks(value, tokens);
    QsoLineReader reader(log->fileName, line, problems);
    if (!readQsoLine(*tokens, line, layout, log->ownCall, &reader, &log->qsos.emplace_back())) {
      log->qsos.pop_back();
    }
  } else {
    addHeaderLine(toUpper(tag), value, line, log);
  }
}

// A 2.0 log says its category on one CATEGORY: line: read as the 3.0 fields
// it says, so that both kinds of log are checked and ranked alike.
void readOldCategory(ImportedLog* log) {
  std::vector<HeaderValue> fields;
  for (const HeaderValue& old : log->categories) {
    std::vector<HeaderValue> said = categoriesOfOldLine(old.value, old.line);
    fields.insert(fields.end(), said.begin(), said.end());
  }
  log->categories = std::move(fields);
}

// A log may carry the 2.0 CATEGORY: line beside the 3.0 CATEGORY-* lines that
// say the same in parts; one category is ranked, so the 3.0 lines win and the
// 2.0 line is kept among the other header lines.
void keepOneCategory(ImportedLog* log) {
  auto isOldStyle = [](const HeaderValue& value) { return value.tag == "CATEGORY"; };
  std::vector<HeaderValue>& categories = log->categories;
  if (std::all_of(categories.begin(), categories.end(), isOldStyle)) return readOldCategory(log);
  auto old = std::stable_partition(categories.begin(), categories.end(),
                                   [&](const HeaderValue& value) { return !isOldStyle(value); });
  log->otherHeader.insert(log->otherHeader.end(), old, categories.end());
  categories.erase(old, categories.end());
}

}  // namespace

ImportedLog importCabrillo(std::string_view buffer, const std::string& fileName,
                           const CabrilloLayout& layout, LogProblems* problems) {
  ImportedLog log;
  log.fileName = fileName;
  // A line each, or a few fewer: no QSO moved as the log grows.
  log.qsos.reserve(static_cast<std::size_t>(std::count(buffer.begin(), buffer.end(), '\n')) + 1);
  Tokens tokens;
  tokens.reserve(kUsualFields);
  int line = 1;
  for (std::size_t start = 0; start < buffer.size(); ++line) {
    std::size_t end = buffer.find('\n', start);
    if (end == std::string_view::npos) end = buffer.size();
    readLine(buffer.substr(start, end - start), line, layout, &log, &tokens, problems);
    start = end + 1;
  }
  keepOneCategory(&log);
  return log;
}

}  // namespace imports
