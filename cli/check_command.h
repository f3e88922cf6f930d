#ifndef ZVK_CLI_CHECK_COMMAND_H_
#define ZVK_CLI_CHECK_COMMAND_H_

#include <string>
#include <vector>

#include "host/plugin_library.h"

namespace cli {

// zvk-score check [options] LOG CALL BAND [MODE]: loads the log and asks the
// plug-in whether the QSO would count now. `arguments` follow the word
// "check". Returns the exit code.
int runCheckCommand(const std::vector<std::string>& arguments);

// The answer to "would this QSO count now?", as text or as JSON.
std::string checkReport(const std::string& call, const std::string& band, const std::string& mode,
                        host::CallCheck answer, const std::string& exchange, bool json);

}  // namespace cli

#endif  // ZVK_CLI_CHECK_COMMAND_H_
