#include "robot/relay_login.h"

#include <sstream>

#include "errors/tool_error.h"
#include "files/posix_file_system.h"

namespace robot {
namespace {

constexpr char kBlanks[] = " \t\r";

[[noreturn]] void fail(const std::string& path, const char* reason) {
  throw errors::ToolError(errors::ErrorKind::kBadDefinition, {path, 0, ""}, reason);
}

std::string trimmed(const std::string& line) {
  const std::size_t first = line.find_first_not_of(kBlanks);
  if (first == std::string::npos) return std::string();
  return line.substr(first, line.find_last_not_of(kBlanks) - first + 1);
}

}  // namespace

void readRelayLogin(const std::string& path, mail::RelaySettings* relay) {
  std::string text;
  try {
    text = files::defaultFileSystem().readWhole(path);
  } catch (const errors::ToolError&) {
    fail(path, "cannot read the mail relay's login");
  }
  std::istringstream lines(text);
  std::string user;
  std::string password;
  std::getline(lines, user);
  std::getline(lines, password);
  relay->user = trimmed(user);
  relay->password = trimmed(password);
  if (relay->user.empty() || relay->password.empty()) {
    fail(path, "holds no user name on its first line and password on its second");
  }
}

}  // namespace robot
