#ifndef ZVK_CABRILLO_HEADER_DIALOG_H_
#define ZVK_CABRILLO_HEADER_DIALOG_H_

#include "cabrillo/header_fields.h"
#include "platform/cstring.h"
#include "platform/env.h"

// The Cabrillo header dialog (template 101): the fifteen header texts the
// operator reviews and edits (every field but the location). The caller sets
// the members, runs the dialog and, on OK, reads them back.
class Cabrillo : public cabrillo::HeaderValues {
 public:
  // Shows the dialog modally. Returns 1 (OK) with every member holding its
  // control's text, or 2 (Cancel) or -1 (not shown) with the members as they
  // were.
  int DoModal(platform::Env& env);
};

#endif  // ZVK_CABRILLO_HEADER_DIALOG_H_
