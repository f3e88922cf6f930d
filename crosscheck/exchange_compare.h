#ifndef ZVK_CROSSCHECK_EXCHANGE_COMPARE_H_
#define ZVK_CROSSCHECK_EXCHANGE_COMPARE_H_

#include <cstdint>
#include <optional>
#include <vector>

#include "crosscheck/contest_definition.h"
#include "crosscheck/text_pool.h"

namespace crosscheck {

// Whether an exchange received is what the other station sent: the same
// text, or for serial numbers the same number (007 = 7) within the
// definition's tolerance.
class ExchangeCompare {
 public:
  ExchangeCompare(const TextPool& texts, const ContestDefinition& definition);

  bool agrees(TextId received, TextId sent) const;

 private:
  std::optional<std::int64_t> numberOf(TextId id) const;

  const TextPool& texts_;
  bool serial_;
  std::int64_t tolerance_;
};

}  // namespace crosscheck

#endif  // ZVK_CROSSCHECK_EXCHANGE_COMPARE_H_
