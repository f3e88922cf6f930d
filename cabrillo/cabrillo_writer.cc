#include <memory>
#include <string>
#include <vector>

#include "cabrillo/cabrillo_texts.h"
#include "cabrillo/host_version.h"
#include "cabrillo/station_data.h"

namespace {

struct HeaderLine {
  const char* tag;
  CString value;
};

constexpr char kLineEnd[] = "\r\n";
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
      {"SOAPBOX: ", station.soapbox},
  };
}

std::string cabrilloText(const CStationData& station, int claimedScore,
                         const CString& hostVersion) {
  std::string text;
  for (const HeaderLine& line : headerLines(station, claimedScore, hostVersion)) {
    text += line.tag;
    text += line.value.GetString();
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
  const CString fileName = fileStem + cabrillo::kCabrilloExtension;
  const std::string text = cabrilloText(*this, claimedScore, cabrillo::FindHostVersion(env));
  const bool written = writeWholeFile(fileName, text, env);
  return (written ? cabrillo::kFileProduced : cabrillo::kFileNotWritten) + fileName;
}
