#ifndef ZVK_IMPORT_INPUT_ERROR_H_
#define ZVK_IMPORT_INPUT_ERROR_H_

#include <stdexcept>
#include <string>

namespace imports {

// Where and why a log could not be read, as data.
struct LogFileError {
  std::string file;
  int line = 0;         // 0 when the fault is not on one line
  std::string message;  // the field and the reason: "QSO_DATE: ..."
};

// The whole wording: "log.adi:12: QSO_DATE: ...".
std::string describe(const LogFileError& error);

// Input that cannot be read as a log. The message names the file, the line
// (when there is one) and the field: "log.adi:12: QSO_DATE: ...".
class InputError : public std::runtime_error {
 public:
  InputError(const std::string& file, int line, const std::string& field,
             const std::string& message);

  const LogFileError& where() const { return error_; }

 private:
  explicit InputError(LogFileError error);

  LogFileError error_;
};

}  // namespace imports

#endif  // ZVK_IMPORT_INPUT_ERROR_H_
