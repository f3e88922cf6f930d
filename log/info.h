#ifndef ZVK_LOG_INFO_H_
#define ZVK_LOG_INFO_H_

#include <cstdint>

#include "platform/cstring.h"
#include "platform/object.h"
#include "platform/ole_date_time.h"

// One stored contest QSO.
class CInfo : public CObject {
 public:
  CInfo() = default;
  CInfo(const CInfo& other) : CObject() { *this = other; }
  // Copies every field but `reserved21`, which stays with the record it was set in.
  CInfo& operator=(const CInfo& other);

  CString call;
  CString hostTextA;
  CString hostTextB;
  CString band;
  CString mode;
  CString rstRcvd;
  CString rstSent;
  CString exchRcvd;
  CString exchSent;
  std::int32_t reserved12 = 0;
  std::int32_t reserved13 = 0;
  std::int32_t frequencyKHz = 0;
  std::int32_t reserved15 = 0;
  std::int32_t reserved16 = -1;
  std::int32_t reserved17 = -1;
  std::int32_t reserved18 = -1;
  std::int32_t reserved19 = -1;
  COleDateTime time;
  std::int32_t reserved21 = 0;
};

#endif  // ZVK_LOG_INFO_H_
