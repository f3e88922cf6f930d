#ifndef ZVK_LOG_QSO_LOG_H_
#define ZVK_LOG_QSO_LOG_H_

#include "log/info.h"
#include "platform/collections.h"

// The contest log: stored QSOs in the order they were added.
using CQsoLog = CArray<CInfo, CInfo&>;

#endif  // ZVK_LOG_QSO_LOG_H_
