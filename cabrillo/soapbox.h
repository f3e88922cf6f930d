#ifndef ZVK_CABRILLO_SOAPBOX_H_
#define ZVK_CABRILLO_SOAPBOX_H_

#include "platform/cstring.h"

// The soapbox text in its three forms: stored (one line, breaks written as
// "<CR>" and "<LF>"), edit (real CR and LF) and Cabrillo (each further line
// led by CR LF "SOAPBOX: ", so the writer prints one tagged line per line).
namespace cabrillo {

CString soapboxEditForm(const CString& stored);
CString soapboxStoredForm(const CString& edit);
CString soapboxCabrilloForm(const CString& stored);

}  // namespace cabrillo

#endif  // ZVK_CABRILLO_SOAPBOX_H_
