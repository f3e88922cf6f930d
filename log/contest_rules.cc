#include "log/contest_rules.h"

#include "platform/text.h"

CContestRules::CContestRules(const char* const* entries, int count) {
  for (int i = 0; i < count; ++i) Add(entries[i]);
}

CContestRules::CContestRules(const std::vector<std::string>& entries) {
  for (const std::string& entry : entries) Add(entry.c_str());
}

CContestRules::~CContestRules() { RemoveAll(); }

std::int32_t CContestRules::contains(const char* text) const {
  for (const CString& entry : *this) {
    if (platform::equalNoCase(entry, text)) return 1;
  }
  return 0;
}
