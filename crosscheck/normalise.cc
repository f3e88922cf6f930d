#include "crosscheck/normalise.h"

#include <filesystem>

#include "import/log_import.h"
#include "import/log_text.h"
#include "import/text_case.h"

namespace crosscheck {
namespace {

constexpr std::uint64_t kHzPerKhz = 1000;

// Texts leave the cross-check as UTF-8 (JSON, reports, pages): converted
// once here by the logs' one rule.
std::string utf8(const std::string& text) { return imports::validUtf8(text); }

// Calls and exchanges are short ASCII nearly always: upper-cased on the
// stack and looked up without a string of their own.
constexpr std::size_t kShortText = 32;

TextId internUpper(const std::string& text, TextPool& texts) {
  if (text.size() <= kShortText && imports::isAscii(text)) {
    char upper[kShortText];
    return texts.intern(imports::toUpperInto(text, upper));
  }
  return texts.intern(utf8(imports::toUpper(text)));
}

// A log repeats its band, mode and sent exchange line after line: a text
// equal to the line before's takes its number again without a look-up.
struct Repeated {
  const std::string* text = nullptr;
  TextId id = TextPool::kEmpty;
};

template <typename Intern>
TextId internRepeated(const std::string& text, Repeated* last, const Intern& intern) {
  if (!last->text || *last->text != text) last->id = intern(text);
  last->text = &text;
  return last->id;
}

struct LastTexts {
  Repeated exchSent, band, mode;
};

Line normaliseQso(const imports::Qso& qso, TextPool& texts, LastTexts* last) {
  auto upper = [&](const std::string& text) { return internUpper(text, texts); };
  auto plain = [&](const std::string& text) { return texts.intern(text); };
  Line line;
  line.minute = imports::minuteOf(qso.time);
  line.call = internUpper(qso.call, texts);
  line.exchSent = internRepeated(qso.exchSent, &last->exchSent, upper);
  line.exchRcvd = internUpper(qso.exchRcvd, texts);
  line.band = internRepeated(qso.band, &last->band, plain);
  line.mode = internRepeated(qso.mode, &last->mode, plain);
  line.fileLine = qso.line;
  line.frequencyKhz = static_cast<std::int32_t>(qso.frequencyHz / kHzPerKhz);
  return line;
}

// The values of the header lines `tag`, a line each (a soapbox has several).
std::string headerText(const imports::ImportedLog& log, const char* tag) {
  std::string text;
  for (const imports::HeaderValue& line : log.otherHeader) {
    if (line.tag == tag && !line.value.empty()) text += (text.empty() ? "" : "\n") + line.value;
  }
  return text;
}

LogHeader headerOf(const imports::ImportedLog& log) {
  LogHeader header;
  header.call = utf8(imports::toUpper(imports::entrantCall(log)));
  // The log as the entrant sent it: the path on the organiser's machine is
  // no business of the entrant reading the report.
  header.file = utf8(std::filesystem::path(log.fileName).filename().string());
  for (const imports::HeaderValue& value : log.categories) {
    header.category.emplace_back(utf8(value.tag), utf8(value.value));
  }
  header.categoryLabel = utf8(imports::categoryLabel(log));
  header.club = utf8(headerText(log, "CLUB"));
  header.soapbox = utf8(headerText(log, "SOAPBOX"));
  if (log.claimedScore) header.claimedScore = *log.claimedScore;
  header.lineCount = static_cast<std::int32_t>(log.qsos.size());
  return header;
}

}  // namespace

NormalLog normaliseLog(const imports::ImportedLog& log, TextPool& texts) {
  NormalLog normal;
  normal.header = headerOf(log);
  normal.lines.reserve(log.qsos.size());
  LastTexts last;
  for (const imports::Qso& qso : log.qsos) normal.lines.push_back(normaliseQso(qso, texts, &last));
  return normal;
}

}  // namespace crosscheck
