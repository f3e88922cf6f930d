#include "import/log_import.h"

#include <filesystem>
#include <vector>

#include "errors/tool_error.h"
#include "files/posix_file_system.h"
#include "import/adif_import.h"
#include "import/cabrillo_import.h"
#include "import/input_error.h"
#include "import/text_case.h"
#include "import/text_encoding.h"

namespace imports {
namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

std::string_view skipLeadingBlanks(std::string_view buffer) {
  if (buffer.substr(0, kByteOrderMark.size()) == kByteOrderMark) {
    buffer.remove_prefix(kByteOrderMark.size());
  }
  std::size_t first = buffer.find_first_not_of(" \t\r\n");
  return first == std::string_view::npos ? std::string_view() : buffer.substr(first);
}

bool holdsAdifMarker(std::string_view buffer) {
  for (std::size_t open = buffer.find('<'); open != std::string_view::npos;
       open = buffer.find('<', open + 1)) {
    std::string_view tag = buffer.substr(open, 5);
    if (startsWithNoCase(tag, "<EOH>") || startsWithNoCase(tag, "<EOR>")) return true;
  }
  return false;
}

bool holdsQsoLine(std::string_view buffer) {
  for (std::size_t start = 0;;) {
    std::size_t end = buffer.find('\n', start);
    std::string_view line = buffer.substr(start, end == std::string_view::npos ? end : end - start);
    if (startsWithNoCase(skipLeadingBlanks(line), "QSO:")) return true;
    if (end == std::string_view::npos) return false;
    start = end + 1;
  }
}

// Header values in an 8-bit code page, as UTF-8, the code page guessed from
// all of them together. QSO lines keep their bytes: they are compared as logged.
void readHeaderValuesAsUtf8(ImportedLog* log) {
  std::vector<std::string*> values;
  for (HeaderValue& value : log->categories) values.push_back(&value.value);
  for (HeaderValue& value : log->otherHeader) values.push_back(&value.value);
  std::string joined;
  for (const std::string* value : values) joined += *value + '\n';
  const std::optional<std::string> utf8 = utf8FromEightBit(joined);
  if (!utf8) return;
  std::size_t start = 0;
  for (std::string* value : values) {
    const std::size_t end = utf8->find('\n', start);
    *value = utf8->substr(start, end - start);
    start = end + 1;
  }
}

void importCabrilloAsUtf8(std::string_view buffer, LogReading* reading,
                          const CabrilloLayout& layout) {
  reading->log = importCabrillo(buffer, reading->log.fileName, layout, &reading->problems);
  readHeaderValuesAsUtf8(&reading->log);
}

// The problem of a text that is no log of a known format.
LogFileError unknownFormat(std::string_view buffer, const std::string& fileName) {
  if (skipLeadingBlanks(buffer).empty()) return {fileName, 0, "", "the file is empty"};
  return {fileName, 0, "",
          "unknown format: neither ADIF (<EOH>, <EOR>) nor Cabrillo "
          "(START-OF-LOG:, QSO: lines)"};
}

}  // namespace

LogFormat detectLogFormat(std::string_view buffer) {
  std::string_view text = skipLeadingBlanks(buffer);
  if (text.empty()) return LogFormat::kUnknown;
  if (text[0] == '<') return LogFormat::kAdif;
  if (startsWithNoCase(text, "START-OF-LOG:")) return LogFormat::kCabrillo;
  if (holdsAdifMarker(text)) return LogFormat::kAdif;
  if (holdsQsoLine(text)) return LogFormat::kCabrillo;
  return LogFormat::kUnknown;
}

LogReading readLog(std::string_view buffer, const std::string& fileName,
                   const CabrilloLayout& layout) {
  LogReading reading;
  reading.log.fileName = fileName;
  std::optional<std::string> utf8;
  try {
    utf8 = utf8FromUtf16(buffer, fileName);
  } catch (const errors::ToolError& error) {
    reading.problems.push_back(problemOf(error));
    return reading;
  }
  if (utf8) return readLog(*utf8, fileName, layout);
  switch (detectLogFormat(buffer)) {
    case LogFormat::kAdif:
      reading.log = importAdif(buffer, fileName, &reading.problems);
      break;
    case LogFormat::kCabrillo:
      importCabrilloAsUtf8(buffer, &reading, layout);
      break;
    case LogFormat::kUnknown:
      reading.problems.push_back(unknownFormat(buffer, fileName));
      break;
  }
  return reading;
}

ImportedLog importLog(std::string_view buffer, const std::string& fileName,
                      const CabrilloLayout& layout) {
  LogReading reading = readLog(buffer, fileName, layout);
  if (!reading.problems.empty()) throw inputError(reading.problems.front());
  return std::move(reading.log);
}

// A file that cannot be read is bad input of the log, named as such.
std::string readLogText(const std::string& path) {
  try {
    return files::defaultFileSystem().readWhole(path);
  } catch (const errors::ToolError& error) {
    throw inputError({path, 0, "", "cannot read: " + error.reason()});
  }
}

ImportedLog readLogFile(const std::string& path, const CabrilloLayout& layout) {
  return importLog(readLogText(path), path, layout);
}

std::optional<LogFileError> noQsoProblem(const ImportedLog& log) {
  if (!log.qsos.empty()) return std::nullopt;
  return LogFileError{log.fileName, 0, "",
                      "no QSO: not a log (neither a QSO: line nor an ADIF record)"};
}

std::string entrantCall(const ImportedLog& log) {
  if (!log.ownCall.empty()) return log.ownCall;
  const std::string name = std::filesystem::path(log.fileName).filename().string();
  const std::string beforeDot = name.substr(0, name.find('.'));  // calls hold no dots
  return toUpper(beforeDot.empty() ? name : beforeDot);
}

std::string categoryLabel(const ImportedLog& log) {
  std::string label;
  for (const HeaderValue& value : log.categories) {
    label += (label.empty() ? "" : " ") + value.value;
  }
  return label;
}

}  // namespace imports
