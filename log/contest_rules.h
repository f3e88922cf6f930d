#ifndef ZVK_LOG_CONTEST_RULES_H_
#define ZVK_LOG_CONTEST_RULES_H_

#include <cstdint>
#include <string>
#include <vector>

#include "platform/collections.h"

// A rule list (the contest's bands or modes), searched without regard to case.
class CContestRules : public CStringArray {
 public:
  CContestRules(const char* const* entries, int count);
  explicit CContestRules(const std::vector<std::string>& entries);
  ~CContestRules();

  // 1 when some entry equals `text` ignoring letter case, else 0.
  std::int32_t contains(const char* text) const;
};

#endif  // ZVK_LOG_CONTEST_RULES_H_
