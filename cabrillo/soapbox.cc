#include "cabrillo/soapbox.h"

#include "cabrillo/cabrillo_texts.h"
#include "cabrillo/station_data.h"

namespace cabrillo {

CString soapboxEditForm(const CString& stored) {
  const CString withCr = CStationData::ReplaceText(stored, kStoredCr, "\r");
  return CStationData::ReplaceText(withCr, kStoredLf, "\n");
}

CString soapboxStoredForm(const CString& edit) {
  const CString withCr = CStationData::ReplaceText(edit, "\r", kStoredCr);
  return CStationData::ReplaceText(withCr, "\n", kStoredLf);
}

CString soapboxCabrilloForm(const CString& stored) {
  const CString withBreaks = CStationData::ReplaceText(stored, kStoredCr, kSoapboxLineBreak);
  return CStationData::ReplaceText(withBreaks, kStoredLf, "");
}

}  // namespace cabrillo
