#include <string>

#include "cabrillo/station_data.h"
#include "platform/text.h"

namespace {

enum class Align { kLeft, kRight };

// One column of a "QSO:" line: the text before it, its minimum width and its
// alignment. Longer values are written whole and push the rest to the right.
struct Column {
  const char* lead;
  std::size_t width;
  Align align;
};

// frequency, mode, date and time, own call, RST sent, exchange sent,
// worked call, RST received, exchange received
constexpr Column kQsoColumns[] = {
    {"QSO: ", 5, Align::kRight}, {" ", 2, Align::kRight},  {" ", 0, Align::kLeft},
    {" ", 13, Align::kLeft},     {" ", 3, Align::kLeft},   {" ", 6, Align::kLeft},
    {" ", 11, Align::kLeft},     {"   ", 3, Align::kLeft}, {" ", 0, Align::kLeft},
};
constexpr std::size_t kColumnCount = sizeof(kQsoColumns) / sizeof(kQsoColumns[0]);
constexpr char kQsoTimePattern[] = "%Y-%m-%d %H%M";
constexpr char kLineEnd[] = "\r\n";

void appendColumn(std::string& line, const Column& column, const char* value) {
  const std::string text = platform::onOneLine(value);
  const std::size_t padding = text.size() < column.width ? column.width - text.size() : 0;
  line += column.lead;
  if (column.align == Align::kRight) line.append(padding, ' ');
  line += text;
  if (column.align == Align::kLeft) line.append(padding, ' ');
}

}  // namespace

void CStationData::FormatQsoLine(const CString& call, int frequencyKHz, const CString& mode,
                                 const COleDateTime& time, const CString& rstSent,
                                 const CString& exchSent, const CString& rstRcvd,
                                 const CString& exchRcvd) {
  const std::string frequency = std::to_string(frequencyKHz);
  const CString dateTime = time.Format(kQsoTimePattern);
  const char* const values[kColumnCount] = {
      frequency.c_str(), mode, dateTime, callsign, rstSent, exchSent, call, rstRcvd, exchRcvd,
  };
  std::string line;
  for (std::size_t i = 0; i < kColumnCount; ++i) appendColumn(line, kQsoColumns[i], values[i]);
  line += kLineEnd;
  cabrilloLines.Add(CString(std::move(line)));
}
