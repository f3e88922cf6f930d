#ifndef ZVK_CROSSCHECK_EXCHANGE_COMPARE_H_
#define ZVK_CROSSCHECK_EXCHANGE_COMPARE_H_

#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

#include "crosscheck/contest_definition.h"
#include "crosscheck/text_pool.h"

namespace crosscheck {

// Whether an exchange received is what the other station sent: the same
// text, for serial numbers the same number (007 = 7) within the definition's
// tolerance, for numbers sent all contest the same number (05 = 5). A definition with a list of
// fields compares them one by one, each by its kind.
class ExchangeCompare {
 public:
  ExchangeCompare(const TextPool& texts, const ContestDefinition& definition);

  bool agrees(TextId received, TextId sent) const;
  // Whether an exchange lacks one of the listed fields: one sent so lacking
  // confirms no QSO for the station that logged it.
  bool lacksField(TextId exchange) const;

 private:
  bool listAgrees(std::string_view received, std::string_view sent) const;
  bool fieldAgrees(ExchangeKind kind, std::string_view received, std::string_view sent) const;

  const TextPool& texts_;
  std::vector<ExchangeKind> fields_;
  bool byField_;
  std::int64_t tolerance_;
};

}  // namespace crosscheck

#endif  // ZVK_CROSSCHECK_EXCHANGE_COMPARE_H_
