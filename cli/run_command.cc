#include "cli/run_command.h"

#include "errors/tool_error.h"

namespace cli {
namespace {

int answer(const std::string& program, errors::ErrorKind kind, const char* message) {
  std::cerr << program << ": " << message << "\n";
  return errors::exitCodeOf(kind);
}

}  // namespace

int answerErrors(const std::string& program, const std::string& help,
                 const std::function<int()>& body) {
  try {
    return body();
  } catch (const errors::ToolError& error) {
    const int code = answer(program, error.kind(), error.what());
    if (error.kind() == errors::ErrorKind::kBadUsage) std::cerr << help;
    return code;
  } catch (const std::exception& error) {
    // Whatever else stopped the command is the machine's: the plug-in, memory.
    return answer(program, errors::ErrorKind::kIo, error.what());
  }
}

}  // namespace cli
