#include "checks/exchange_check.h"

#include <cstring>

#include "platform/text.h"

namespace {

constexpr char kMarker[] = "JXW";
constexpr std::size_t kMarkerMinLength = 6;

bool allDigits(const char* text) {
  for (; *text; ++text) {
    if (*text < '0' || *text > '9') return false;
  }
  return true;
}

}  // namespace

int isValidExchange(const char* exch) {
  if (!exch) return 0;
  const std::size_t length = std::strlen(exch);
  if (length >= kMarkerMinLength && platform::findText(exch, kMarker)) return 1;
  if (length == 3) return allDigits(exch) && std::strcmp(exch, "599") != 0;
  if (length == 4) return allDigits(exch);
  return 0;
}
