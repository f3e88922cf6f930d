#ifndef ZVK_PLUGIN_ARGUMENTS_H_
#define ZVK_PLUGIN_ARGUMENTS_H_

#include <cstdint>

#include "log/qso_fields.h"
#include "platform/cstring.h"
#include "platform/ole_date_time.h"

// A null text from the host counts as empty, a null date pointer as a null date.
inline CString text(const char* value) { return CString(value); }

inline COleDateTime date(const COleDateTime* value) {
  return value ? *value : COleDateTime(0.0, COleDateTime::null);
}

// The named QSO arguments of AddData0 and RemoveData0, in order.
#define ZVK_QSO_FIELD_ARGS                                                                 \
  myCall, call, qsoTime, frequency, mode, rstSent, rstRcvd, exchSent, exchRcvd, hostTextA, \
      hostTextB, band

inline QsoFields qsoFields(const char* myCall, const char* call, const COleDateTime* qsoTime,
                           std::uint32_t frequency, const char* mode, const char* rstSent,
                           const char* rstRcvd, const char* exchSent, const char* exchRcvd,
                           const char* hostTextA, const char* hostTextB, const char* band) {
  return QsoFields{text(myCall),   text(call),      date(qsoTime),   frequency,
                   text(mode),     text(rstSent),   text(rstRcvd),   text(exchSent),
                   text(exchRcvd), text(hostTextA), text(hostTextB), text(band)};
}

// Runs an export's body; any exception becomes the export's defined result.
template <class Result, class Body>
Result guarded(Result fallback, Body body) noexcept {
  try {
    return body();
  } catch (...) {
    return fallback;
  }
}

#endif  // ZVK_PLUGIN_ARGUMENTS_H_
