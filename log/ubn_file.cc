#include "log/ubn_file.h"

#include "platform/text.h"

namespace ubn_file {
namespace {

constexpr char kHeader[] = "ZVK-CW-CONTEST  UBN file \r\n";
constexpr char kSeparator[] = "  ";

}  // namespace

CString fileName(const CString& fileDate) {
  CString name;
  name.Format("StatsZVK_%s.txt", fileDate.GetString());
  return name;
}

void start(const CString& path, platform::Env& env) {
  if (path.IsEmpty()) return;
  auto file = env.openForWriting(path, platform::WriteMode::kTruncate);
  if (file) file->write(kHeader, sizeof kHeader - 1);
}

CString qsoLine(const QsoFields& qso, const CString& dateText, const char* reason) {
  CString line("QSO:  ");
  line.AppendFormat("%u", qso.frequency / 1000);
  for (const CString* piece : {&qso.mode, &dateText, &qso.myCall, &qso.rstSent, &qso.exchSent,
                               &qso.call, &qso.rstRcvd, &qso.exchRcvd}) {
    line += kSeparator;
    line += platform::onOneLine(*piece).c_str();
  }
  line += reason;
  line += kLineEnd;
  return line;
}

void Appender::append(const CString& line) {
  if (!opened_) {
    opened_ = true;
    if (!path_.IsEmpty()) file_ = env_.openForWriting(path_, platform::WriteMode::kAppend);
  }
  if (file_) file_->write(line.GetString(), static_cast<std::size_t>(line.GetLength()));
}

}  // namespace ubn_file
