#include "import/adif_import.h"

#include "import/adif_reader.h"
#include "import/band_plan.h"
#include "import/log_header.h"
#include "import/text_case.h"
#include "import/utc_time.h"

namespace imports {
namespace {

constexpr int kMegahertzDigits = 6;

// The value of the first of `names` that the record holds with a non-empty value.
std::string firstOf(const AdifRecord& record, std::initializer_list<std::string_view> names) {
  for (std::string_view name : names) {
    const AdifField* field = record.find(name);
    if (field && !field->value.empty()) return std::string(field->value);
  }
  return std::string();
}

// Reads one record, adding each problem it has to `problems`.
class RecordReader {
 public:
  RecordReader(const AdifRecord& record, const std::string& fileName, LogProblems* problems)
      : record_(record), fileName_(fileName), problems_(problems) {}

  std::optional<COleDateTime> time() {
    const AdifField* date = required("QSO_DATE");
    if (!date) return std::nullopt;
    std::optional<UtcTime> time = parseCompactDate(date->value);
    if (!time) return fail(*date, "is not a date (YYYYMMDD)");
    const AdifField* clock = required("TIME_ON");
    if (!clock) return std::nullopt;
    if (!setTimeOfDay(clock->value, &*time)) return fail(*clock, "is not a time (HHMM or HHMMSS)");
    return toOleDate(*time);
  }

  std::optional<std::uint64_t> frequency() {
    const AdifField* field = record_.find("FREQ");
    if (!field || field->value.empty()) return 0;
    std::optional<std::uint64_t> hz = parseScaledFrequency(field->value, kMegahertzDigits);
    if (!hz) return fail(*field, "is not a frequency in MHz");
    return hz;
  }

 private:
  const AdifField* required(const char* name) {
    const AdifField* field = record_.find(name);
    if (!field) problems_->push_back({fileName_, record_.line, name, "missing in this record"});
    return field;
  }

  std::nullopt_t fail(const AdifField& field, const std::string& what) {
    problems_->push_back(
        {fileName_, field.line, field.name, "\"" + std::string(field.value) + "\" " + what});
    return std::nullopt;
  }

  const AdifRecord& record_;
  const std::string& fileName_;
  LogProblems* problems_;
};

std::optional<Qso> toQso(const AdifRecord& record, const std::string& fileName,
                         LogProblems* problems) {
  RecordReader reader(record, fileName, problems);
  std::optional<COleDateTime> time = reader.time();
  std::optional<std::uint64_t> frequencyHz = reader.frequency();
  if (!time || !frequencyHz) return std::nullopt;
  Qso qso;
  qso.line = record.line;
  qso.myCall = firstOf(record, {"STATION_CALLSIGN", "OPERATOR"});
  qso.call = firstOf(record, {"CALL"});
  qso.time = *time;
  qso.frequencyHz = *frequencyHz;
  qso.mode = toUpper(firstOf(record, {"MODE"}));
  qso.band = toLower(firstOf(record, {"BAND"}));
  if (qso.band.empty()) qso.band = bandFromFrequency(qso.frequencyHz);
  qso.rstSent = firstOf(record, {"RST_SENT"});
  qso.rstRcvd = firstOf(record, {"RST_RCVD"});
  qso.exchSent = firstOf(record, {"STX_STRING", "STX"});
  qso.exchRcvd = firstOf(record, {"SRX_STRING", "SRX"});
  return qso;
}

// The header's fields that stand for header lines, such as the category.
void readHeader(const AdifRecord& header, ImportedLog* log) {
  for (const AdifField& field : header.fields) {
    const std::string tag = tagOfAdifHeaderField(field.name);
    if (!tag.empty()) addHeaderLine(tag, field.value, field.line, log);
  }
}

}  // namespace

ImportedLog importAdif(std::string_view buffer, const std::string& fileName,
                       LogProblems* problems) {
  ImportedLog log;
  log.fileName = fileName;
  readAdif(
      buffer, fileName,
      [&](const AdifRecord& record) {
        std::optional<Qso> qso = toQso(record, fileName, problems);
        if (!qso) return;
        log.qsos.push_back(std::move(*qso));
        if (log.ownCall.empty()) log.ownCall = log.qsos.back().myCall;
      },
      problems, [&](const AdifRecord& header) { readHeader(header, &log); });
  return log;
}

}  // namespace imports
