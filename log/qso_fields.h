#ifndef ZVK_LOG_QSO_FIELDS_H_
#define ZVK_LOG_QSO_FIELDS_H_

#include <cstdint>

#include "platform/cstring.h"
#include "platform/ole_date_time.h"

// The QSO arguments the host hands to AddData0 and RemoveData0, null texts
// already turned into empty ones and a null date pointer into a null date.
struct QsoFields {
  CString myCall;
  CString call;
  COleDateTime time;
  std::uint32_t frequency = 0;  // Hz
  CString mode;
  CString rstSent;
  CString rstRcvd;
  CString exchSent;
  CString exchRcvd;
  CString hostTextA;
  CString hostTextB;
  CString band;
};

#endif  // ZVK_LOG_QSO_FIELDS_H_
