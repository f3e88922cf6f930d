#ifndef ZVK_CLI_INPUT_ERROR_H_
#define ZVK_CLI_INPUT_ERROR_H_

#include <stdexcept>
#include <string>

namespace cli {

// Input that cannot be read as a log. The message names the file, the line
// (when there is one) and the field: "log.adi:12: QSO_DATE: ...".
class InputError : public std::runtime_error {
 public:
  InputError(const std::string& file, int line, const std::string& field,
             const std::string& message);
};

}  // namespace cli

#endif  // ZVK_CLI_INPUT_ERROR_H_
