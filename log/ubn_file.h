#ifndef ZVK_LOG_UBN_FILE_H_
#define ZVK_LOG_UBN_FILE_H_

#include <memory>
#include <string_view>

#include "log/qso_fields.h"
#include "platform/env.h"

// The statistics ("UBN") file: rejected and duplicate QSOs, one line each.
namespace ubn_file {

constexpr char kNoContestBand[] = "   NO CONTEST BAND !!!";
constexpr char kNoContestMode[] = "   NO CONTEST MODE !!!";
constexpr char kNoExchange[] = "   NO RX/TX NUMBER !!!";
constexpr char kDupe[] = "   DUPE !!!";
// Every reason a line ends with, rejections first.
constexpr const char* kReasons[] = {kNoContestBand, kNoContestMode, kNoExchange, kDupe};
constexpr char kLineEnd[] = "\r\n";
// The reason's name as reports show it: "NO CONTEST BAND" for kNoContestBand.
constexpr std::string_view reasonName(std::string_view reason) {
  return reason.substr(3, reason.size() - 7);
}
// Pattern of the QSO time in a line, for example 2016-11-27 1405.
constexpr char kDateFormat[] = "%Y-%m-%d %H%M";

// "StatsZVK_<date>.txt" for the contest end's date text ("%d_%m_%Y").
CString fileName(const CString& fileDate);
// Creates or truncates the file and writes its header line. Failures are silent.
void start(const CString& path, platform::Env& env);
// The line for a QSO: its fields separated by two blanks (a line break inside
// a field written as a blank), the reason, CR LF.
CString qsoLine(const QsoFields& qso, const CString& dateText, const char* reason);

// Appends QSO lines to the file for the span of one AddData0 call. The file
// is opened with the first line, so calls that write nothing touch no file.
class Appender {
 public:
  Appender(const CString& path, platform::Env& env) : path_(path), env_(env) {}
  void append(const CString& line);

 private:
  const CString& path_;
  platform::Env& env_;
  std::unique_ptr<platform::WritableFile> file_;
  bool opened_ = false;
};

}  // namespace ubn_file

#endif  // ZVK_LOG_UBN_FILE_H_
