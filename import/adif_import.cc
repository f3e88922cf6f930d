#include "import/adif_import.h"

#include "import/adif_reader.h"
#include "import/band_plan.h"
#include "import/input_error.h"
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

const AdifField& requiredField(const AdifRecord& record, const char* name,
                               const std::string& fileName) {
  const AdifField* field = record.find(name);
  if (!field) throw InputError(fileName, record.line, name, "missing in this record");
  return *field;
}

COleDateTime readTime(const AdifRecord& record, const std::string& fileName) {
  const AdifField& date = requiredField(record, "QSO_DATE", fileName);
  std::optional<UtcTime> time = parseCompactDate(date.value);
  if (!time) {
    throw InputError(fileName, date.line, date.name,
                     "\"" + std::string(date.value) + "\" is not a date (YYYYMMDD)");
  }
  const AdifField& clock = requiredField(record, "TIME_ON", fileName);
  if (!setTimeOfDay(clock.value, &*time)) {
    throw InputError(fileName, clock.line, clock.name,
                     "\"" + std::string(clock.value) + "\" is not a time (HHMM or HHMMSS)");
  }
  return toOleDate(*time);
}

std::uint64_t readFrequency(const AdifRecord& record, const std::string& fileName) {
  const AdifField* field = record.find("FREQ");
  if (!field || field->value.empty()) return 0;
  std::optional<std::uint64_t> hz = parseScaledFrequency(field->value, kMegahertzDigits);
  if (!hz) {
    throw InputError(fileName, field->line, field->name,
                     "\"" + std::string(field->value) + "\" is not a frequency in MHz");
  }
  return *hz;
}

Qso toQso(const AdifRecord& record, const std::string& fileName) {
  Qso qso;
  qso.line = record.line;
  qso.myCall = firstOf(record, {"STATION_CALLSIGN", "OPERATOR"});
  qso.call = firstOf(record, {"CALL"});
  qso.time = readTime(record, fileName);
  qso.frequencyHz = readFrequency(record, fileName);
  qso.mode = toUpper(firstOf(record, {"MODE"}));
  qso.band = toLower(firstOf(record, {"BAND"}));
  if (qso.band.empty()) qso.band = bandFromFrequency(qso.frequencyHz);
  qso.rstSent = firstOf(record, {"RST_SENT"});
  qso.rstRcvd = firstOf(record, {"RST_RCVD"});
  qso.exchSent = firstOf(record, {"STX_STRING", "STX"});
  qso.exchRcvd = firstOf(record, {"SRX_STRING", "SRX"});
  return qso;
}

}  // namespace

ImportedLog importAdif(std::string_view buffer, const std::string& fileName) {
  ImportedLog log;
  log.fileName = fileName;
  readAdif(buffer, fileName, [&](const AdifRecord& record) {
    log.qsos.push_back(toQso(record, fileName));
    if (log.ownCall.empty()) log.ownCall = log.qsos.back().myCall;
  });
  return log;
}

}  // namespace imports
