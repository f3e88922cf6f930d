#include "crosscheck/exchange_compare.h"

#include <cstdlib>

#include "import/field_split.h"

namespace crosscheck {
namespace {

constexpr std::size_t kLongestSerialDigits = 9;

std::optional<std::int64_t> numberOf(std::string_view text) {
  if (text.empty() || text.size() > kLongestSerialDigits) return std::nullopt;
  std::int64_t value = 0;
  for (char c : text) {
    if (c < '0' || c > '9') return std::nullopt;
    value = value * 10 + (c - '0');
  }
  return value;
}

// The fields of an exchange one at a time, without copying; kMissingField
// once they run out.
class Fields {
 public:
  explicit Fields(std::string_view text) : rest_(text) {}

  std::string_view next() {
    if (rest_.empty()) return imports::kMissingField;
    const std::size_t blank = rest_.find(' ');
    const std::string_view field = rest_.substr(0, blank);
    rest_ = blank == std::string_view::npos ? std::string_view() : rest_.substr(blank + 1);
    return field;
  }

 private:
  std::string_view rest_;
};

}  // namespace

ExchangeCompare::ExchangeCompare(const TextPool& texts, const ContestDefinition& definition)
    : texts_(texts),
      fields_(comparedFields(definition)),
      byField_(!definition.exchangeList.empty()),
      tolerance_(definition.serialTolerance) {}

bool ExchangeCompare::agrees(TextId received, TextId sent) const {
  if (received == TextPool::kEmpty || sent == TextPool::kEmpty) return false;
  if (received == sent) return true;
  if (!byField_) return fieldAgrees(fields_[0], texts_.view(received), texts_.view(sent));
  return listAgrees(texts_.view(received), texts_.view(sent));
}

bool ExchangeCompare::lacksField(TextId exchange) const {
  return byField_ && imports::lacksField(texts_.view(exchange));
}

// A field the sender's log lacks is not held against the receiver: the
// sender's own line answers for it.
bool ExchangeCompare::listAgrees(std::string_view received, std::string_view sent) const {
  Fields got(received);
  Fields given(sent);
  for (ExchangeKind kind : fields_) {
    const std::string_view copy = got.next();
    const std::string_view original = given.next();
    if (original == imports::kMissingField) continue;
    if (copy == imports::kMissingField || !fieldAgrees(kind, copy, original)) return false;
  }
  return true;
}

bool ExchangeCompare::fieldAgrees(ExchangeKind kind, std::string_view received,
                                  std::string_view sent) const {
  if (received == sent) return true;
  if (kind != ExchangeKind::kSerial && kind != ExchangeKind::kNumber) return false;
  std::optional<std::int64_t> got = numberOf(received);
  std::optional<std::int64_t> given = numberOf(sent);
  const std::int64_t tolerance = kind == ExchangeKind::kSerial ? tolerance_ : 0;
  return got && given && std::llabs(*got - *given) <= tolerance;
}

}  // namespace crosscheck
