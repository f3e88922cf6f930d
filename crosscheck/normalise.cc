#include "crosscheck/normalise.h"

#include "import/log_import.h"
#include "import/text_case.h"

namespace crosscheck {
namespace {

constexpr Minute kMinutesPerHour = 60;

TextId internUpper(const std::string& text, TextPool& texts) {
  return texts.intern(imports::toUpper(text));
}

Line normaliseQso(const imports::Qso& qso, TextPool& texts) {
  Line line;
  line.minute = minuteOf(qso.time);
  line.call = internUpper(qso.call, texts);
  line.exchSent = internUpper(qso.exchSent, texts);
  line.exchRcvd = internUpper(qso.exchRcvd, texts);
  line.band = texts.intern(qso.band);
  line.mode = texts.intern(qso.mode);
  line.fileLine = qso.line;
  return line;
}

LogHeader headerOf(const imports::ImportedLog& log) {
  LogHeader header;
  header.call = imports::toUpper(imports::entrantCall(log));
  header.file = log.fileName;
  for (const imports::HeaderValue& value : log.categories) {
    header.category.emplace_back(value.tag, value.value);
  }
  if (log.claimedScore) header.claimedScore = *log.claimedScore;
  header.lineCount = static_cast<std::int32_t>(log.qsos.size());
  return header;
}

}  // namespace

Minute minuteOf(const COleDateTime& time) {
  platform::SystemTime calendar;
  if (!time.GetAsSystemTime(&calendar)) return 0;
  return static_cast<Minute>(platform::hourNumber(calendar) * kMinutesPerHour + calendar.minute);
}

NormalLog normaliseLog(const imports::ImportedLog& log, TextPool& texts) {
  NormalLog normal;
  normal.header = headerOf(log);
  normal.lines.reserve(log.qsos.size());
  for (const imports::Qso& qso : log.qsos) normal.lines.push_back(normaliseQso(qso, texts));
  return normal;
}

}  // namespace crosscheck
