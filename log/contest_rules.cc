#include "log/contest_rules.h"

#include "platform/text.h"

CContestRules::CContestRules(const char* const* entries, int count) {
  for (int i = 0; i < count; ++i) Add(entries[i]);
}

CContestRules::~CContestRules() { RemoveAll(); }

std::int32_t CContestRules::contains(const char* text) const {
  for (const CString& entry : *this) {
    if (platform::equalNoCase(entry, text)) return 1;
  }
  return 0;
}
