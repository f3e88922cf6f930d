#ifndef ZVK_CLI_CHECK_COMMAND_H_
#define ZVK_CLI_CHECK_COMMAND_H_

#include <string>

#include "host/plugin_library.h"

namespace cli {

// The answer to "would this QSO count now?", as text or as JSON.
std::string checkReport(const std::string& call, const std::string& band, const std::string& mode,
                        host::CallCheck answer, const std::string& exchange, bool json);

}  // namespace cli

#endif  // ZVK_CLI_CHECK_COMMAND_H_
