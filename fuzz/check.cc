#include "fuzz/check.h"

#include <sanitizer/common_interface_defs.h>

#include <cstdlib>

void require(bool condition, const char* what) {
  if (condition) return;
  __sanitizer_report_error_summary(what);
  std::abort();
}
