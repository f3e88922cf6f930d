#ifndef ZVK_ROBOT_RECEIPT_CODE_H_
#define ZVK_ROBOT_RECEIPT_CODE_H_

#include <string>

#include "import/utc_time.h"

namespace robot {

// A new receipt code, "20261208-201506-" and 16 hex digits: it sorts by the
// time received, and its 64 bits from the system's random source make it
// unguessable, so the code alone opens the receipt's page. Throws
// errors::ToolError (kIo) when the system gives no random bits.
std::string newReceiptCode(imports::UnixTime received);

}  // namespace robot

#endif  // ZVK_ROBOT_RECEIPT_CODE_H_
