#ifndef ZVK_CABRILLO_HEADER_DIALOG_H_
#define ZVK_CABRILLO_HEADER_DIALOG_H_

#include "platform/cstring.h"
#include "platform/env.h"

// The Cabrillo header dialog (template 101): fifteen texts the operator
// reviews and edits. The caller sets the members, runs the dialog and, on OK,
// reads them back.
class Cabrillo {
 public:
  // Shows the dialog modally. Returns 1 (OK) with every member holding its
  // control's text, or 2 (Cancel) or -1 (not shown) with the members as they
  // were.
  int DoModal(platform::Env& env);

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
};

#endif  // ZVK_CABRILLO_HEADER_DIALOG_H_
