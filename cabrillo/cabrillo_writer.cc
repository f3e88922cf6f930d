#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "cabrillo/cabrillo_texts.h"
#include "cabrillo/file_stem.h"
#include "cabrillo/header_fields.h"
#include "cabrillo/host_version.h"
#include "cabrillo/station_data.h"
#include "platform/text.h"

namespace {

struct HeaderLine {
  int place;
  const char* tag;
  CString value;
  bool multiLine;
};

constexpr char kLineEnd[] = "\r\n";
constexpr char kEndOfLog[] = "END-OF-LOG:\r\n";

// The station's fields where the table places them, around the writer's own
// lines. The header names the contest and the score itself, whatever the
// dialog showed. Only the soapbox spans lines (each further one with its own
// tag); a line break typed into any other field is written as a blank.
std::vector<HeaderLine> headerLines(const CStationData& station, int claimedScore,
                                    const CString& hostVersion) {
  cabrillo::HeaderValues values = station;
  values.contest = cabrillo::kContestName;
  values.claimed.Format("%d", claimedScore);
  std::vector<HeaderLine> lines{{1, "START-OF-LOG: ", "3.0", false},
                                {9, "CREATED-BY: Vylo ", hostVersion, false}};
  for (const cabrillo::HeaderField& field : cabrillo::headerFields()) {
    if (!field.cabrilloTag) continue;
    lines.push_back({field.headerLine, field.cabrilloTag, values.*field.value,
                     field.kind == platform::ControlKind::kMultiLineEdit});
  }
  std::sort(lines.begin(), lines.end(),
            [](const HeaderLine& a, const HeaderLine& b) { return a.place < b.place; });
  return lines;
}

std::string cabrilloText(const CStationData& station, int claimedScore,
                         const CString& hostVersion) {
  std::string text;
  for (const HeaderLine& line : headerLines(station, claimedScore, hostVersion)) {
    text += line.tag;
    text += line.multiLine ? line.value.str() : platform::onOneLine(line.value);
    text += kLineEnd;
  }
  for (const CString& qsoLine : station.cabrilloLines) text += qsoLine.GetString();
  text += kEndOfLog;
  return text;
}

bool writeWholeFile(const CString& path, const std::string& text, platform::Env& env) {
  std::unique_ptr<platform::WritableFile> file =
      env.openForWriting(path, platform::WriteMode::kTruncate);
  if (!file) return false;
  const bool written = file->write(text.data(), text.size());
  return file->close() && written;
}

}  // namespace

CString CStationData::WriteCabrillo(int claimedScore, platform::Env& env) {
  const CString fileName = cabrillo::cabrilloFileName(fileStem);
  const std::string text = cabrilloText(*this, claimedScore, cabrillo::FindHostVersion(env));
  const bool written = writeWholeFile(fileName, text, env);
  return (written ? cabrillo::kFileProduced : cabrillo::kFileNotWritten) + fileName;
}
