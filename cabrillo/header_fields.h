#ifndef ZVK_CABRILLO_HEADER_FIELDS_H_
#define ZVK_CABRILLO_HEADER_FIELDS_H_

#include <vector>

#include "platform/cstring.h"
#include "platform/dialog_form.h"

namespace cabrillo {

// The station's Cabrillo header data: the fifteen fields of the header dialog
// and the location, which only the settings file keeps.
struct HeaderValues {
  CString callsign;
  CString claimed;
  CString club;
  CString categoryOperator;
  CString contest;
  CString email;
  CString name;
  CString operators;
  CString soapbox;
  CString address;
  CString categoryBand;
  CString addressCity;
  CString addressPostalCode;
  CString addressCountry;
  CString categoryPower;
  CString location;
};

// Where a loaded field's value comes from when the settings file lacks its key.
enum class WhenMissing { kEmpty, kCallsign, kKept };

// One header field: how the settings are loaded and stored, how the dialog
// binds it, and where the Cabrillo writer puts it.
struct HeaderField {
  CString HeaderValues::*value;
  // Settings file: the key (nullptr: not kept there); a fixed start value
  // instead of reading it (nullptr: read); the place among the keys an
  // accepted dialog writes (0: not written then).
  const char* settingsKey;
  WhenMissing whenMissing;
  const char* startValue;
  int storePosition;
  // Header dialog (control id 0: not shown); the operator's text is taken
  // back on OK unless the field is shown for reference only.
  int controlId;
  const char* label;
  platform::ControlKind kind;
  std::vector<const char*> choices;
  bool shownOnly;
  // Cabrillo header: the tag (nullptr: not written) and the line's place in the header.
  const char* cabrilloTag;
  int headerLine;
};

// In the dialog's data-exchange order.
const std::vector<HeaderField>& headerFields();
// The fields an accepted dialog stores, in the order it writes their keys.
std::vector<const HeaderField*> fieldsInStoreOrder();

}  // namespace cabrillo

#endif  // ZVK_CABRILLO_HEADER_FIELDS_H_
