#include "robot/organiser_key.h"

#include <openssl/crypto.h>

#include "errors/tool_error.h"
#include "files/posix_file_system.h"
#include "robot/sha256.h"

namespace robot {

namespace {

[[noreturn]] void fail(const std::string& path, const char* reason) {
  throw errors::ToolError(errors::ErrorKind::kBadDefinition, {path, 0, ""}, reason);
}

}  // namespace

std::string readOrganiserKey(const std::string& path) {
  std::string text;
  try {
    text = files::defaultFileSystem().readWhole(path);
  } catch (const errors::ToolError&) {
    fail(path, "cannot read the organiser key");
  }
  const std::string line = text.substr(0, text.find('\n'));
  const std::size_t first = line.find_first_not_of(" \t\r");
  if (first == std::string::npos) fail(path, "holds no organiser key");
  return line.substr(first, line.find_last_not_of(" \t\r") - first + 1);
}

// Digests of equal length, so the comparison takes the same time whatever is given.
bool isOrganiserKey(const std::string& given, const std::string& key) {
  const std::string a = sha256Hex(given);
  const std::string b = sha256Hex(key);
  return !key.empty() && CRYPTO_memcmp(a.data(), b.data(), a.size()) == 0;
}

}  // namespace robot
