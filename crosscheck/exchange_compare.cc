#include "crosscheck/exchange_compare.h"

#include <cstdlib>

namespace crosscheck {
namespace {

constexpr std::size_t kLongestSerialDigits = 9;

}  // namespace

ExchangeCompare::ExchangeCompare(const TextPool& texts, const ContestDefinition& definition)
    : texts_(texts),
      serial_(definition.exchange == ExchangeKind::kSerial),
      tolerance_(definition.serialTolerance) {}

bool ExchangeCompare::agrees(TextId received, TextId sent) const {
  if (received == TextPool::kEmpty || sent == TextPool::kEmpty) return false;
  if (received == sent) return true;
  if (!serial_) return false;
  std::optional<std::int64_t> got = numberOf(received);
  std::optional<std::int64_t> given = numberOf(sent);
  return got && given && std::llabs(*got - *given) <= tolerance_;
}

std::optional<std::int64_t> ExchangeCompare::numberOf(TextId id) const {
  std::string_view text = texts_.view(id);
  if (text.empty() || text.size() > kLongestSerialDigits) return std::nullopt;
  std::int64_t value = 0;
  for (char c : text) {
    if (c < '0' || c > '9') return std::nullopt;
    value = value * 10 + (c - '0');
  }
  return value;
}

}  // namespace crosscheck
