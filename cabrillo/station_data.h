#ifndef ZVK_CABRILLO_STATION_DATA_H_
#define ZVK_CABRILLO_STATION_DATA_H_

#include "cabrillo/header_fields.h"
#include "platform/collections.h"
#include "platform/cstring.h"
#include "platform/env.h"
#include "platform/ole_date_time.h"

// The station record: the Cabrillo header data, kept in the settings file,
// and the Cabrillo QSO lines of the current pass.
class CStationData : public cabrillo::HeaderValues {
 public:
  // Loads the settings from section `iniSection` of the profile file
  // `iniFile`, shows them in the header dialog and, on OK, stores the edited
  // values back. Afterwards the soapbox is in Cabrillo form.
  void EditStationSettings(const CString& contestant, const char* iniFile, const char* iniSection,
                           platform::Env& env);

  // `source` with every occurrence of `search` replaced, left to right,
  // without searching replaced text again. An empty `search` changes nothing.
  static CString ReplaceText(const CString& source, const char* search, const char* replacement);

  // Appends one "QSO:" line (with its CR LF) to `cabrilloLines`.
  void FormatQsoLine(const CString& call, int frequencyKHz, const CString& mode,
                     const COleDateTime& time, const CString& rstSent, const CString& exchSent,
                     const CString& rstRcvd, const CString& exchRcvd);

  // Writes "<fileStem>.cbr" in the current directory and returns the message
  // for the operator, which says whether the file was written.
  CString WriteCabrillo(int claimedScore, platform::Env& env);

  CString fileStem;
  CStringArray cabrilloLines;
};

#endif  // ZVK_CABRILLO_STATION_DATA_H_
