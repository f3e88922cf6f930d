#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "cabrillo/cabrillo_texts.h"
#include "cabrillo/file_stem.h"
#include "cabrillo/host_version.h"
#include "cabrillo/station_data.h"
#include "platform/text.h"

namespace {

struct HeaderLine {
  const char* tag;
  CString value;
};

constexpr char kLineEnd[] = "\r\n";
// Only the soapbox spans lines (each further one with its own tag); a line
// break typed into any other field is written as a blank.
constexpr char kSoapboxTag[] = "SOAPBOX: ";
constexpr char kEndOfLog[] = "END-OF-LOG:\r\n";

std::vector<HeaderLine> headerLines(const CStationData& station, int claimedScore,
                                    const CString& hostVersion) {
  CString score;
  score.Format("%d", claimedScore);
  return {
      {"START-OF-LOG: ", "3.0"},
      {"CONTEST: ", cabrillo::kContestName},
      {"CALLSIGN: ", station.callsign},
      {"CATEGORY-OPERATOR: ", station.categoryOperator},
      {"CATEGORY-BAND: ", station.categoryBand},
      {"CATEGORY-POWER: ", station.categoryPower},
      {"CLAIMED-SCORE: ", score},
      {"CLUB: ", station.club},
      {"CREATED-BY: Vylo ", hostVersion},
      {"NAME: ", station.name},
      {"ADDRESS: ", station.address},
      {"ADDRESS-CITY: ", station.addressCity},
      {"ADDRESS-POSTALCODE: ", station.addressPostalCode},
      {"ADDRESS-COUNTRY: ", station.addressCountry},
      {"EMAIL: ", station.email},
      {"OPERATORS: ", station.operators},
      {kSoapboxTag, station.soapbox},
  };
}

std::string cabrilloText(const CStationData& station, int claimedScore,
                         const CString& hostVersion) {
  std::string text;
  for (const HeaderLine& line : headerLines(station, claimedScore, hostVersion)) {
    text += line.tag;
    const bool soapbox = std::strcmp(line.tag, kSoapboxTag) == 0;
    text += soapbox ? line.value.str() : platform::onOneLine(line.value);
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
