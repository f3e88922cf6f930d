#include "fuzz/imported_log_check.h"

#include <algorithm>

#include "fuzz/check.h"

namespace {

bool upperCase(const std::string& text) {
  return std::none_of(text.begin(), text.end(), [](char c) { return c >= 'a' && c <= 'z'; });
}

}  // namespace

void importAndCheck(imports::ImportedLog (*import)(std::string_view, const std::string&,
                                                   imports::LogProblems*),
                    const std::uint8_t* data, std::size_t size) {
  const std::string_view buffer(reinterpret_cast<const char*>(data), size);
  const int lineCount = static_cast<int>(std::count(buffer.begin(), buffer.end(), '\n')) + 1;
  imports::LogProblems problems;
  const imports::ImportedLog log = import(buffer, "fuzz.log", &problems);
  for (const imports::LogFileError& problem : problems) {
    require(problem.line >= 0 && problem.line <= lineCount, "problem line out of the text");
  }
  int previousLine = 1;
  for (const imports::Qso& qso : log.qsos) {
    require(qso.line >= previousLine && qso.line <= lineCount, "QSO line number out of order");
    require(upperCase(qso.mode), "mode not in upper case");
    previousLine = qso.line;
  }
}
