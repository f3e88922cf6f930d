#include "crosscheck/frequency_limits.h"

#include "crosscheck/definition_values.h"

namespace crosscheck {
namespace {

constexpr int kHighestKhz = 300000000;

char lower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

// Asked for every line of a contest with limits: compared without a copy.
bool sameName(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (lower(a[i]) != lower(b[i])) return false;
  }
  return true;
}

}  // namespace

std::optional<FrequencyLimits> FrequencyLimits::parse(std::string_view text) {
  auto pairs = parsePairList(text);
  if (!pairs) return std::nullopt;
  FrequencyLimits limits;
  for (const auto& [where, span] : *pairs) {
    const std::size_t slash = where.find('/');
    const std::size_t dash = span.find('-');
    if (dash == std::string_view::npos) return std::nullopt;
    std::optional<int> low = parseCount(span.substr(0, dash), kHighestKhz);
    std::optional<int> high = parseCount(span.substr(dash + 1), kHighestKhz);
    std::optional<std::vector<std::string>> band = parseBandList(where.substr(0, slash));
    std::optional<std::vector<std::string>> mode = slash == std::string_view::npos
                                                       ? std::vector<std::string>{std::string()}
                                                       : parseModeList(where.substr(slash + 1));
    if (!low || !high || *low > *high || !band || band->size() != 1 || !mode || mode->size() != 1)
      return std::nullopt;
    limits.ranges_.push_back({band->front(), mode->front(), *low, *high});
  }
  return limits;
}

bool FrequencyLimits::applies(const Range& range, std::string_view band,
                              std::string_view mode) const {
  return sameName(range.band, band) && (range.mode.empty() || sameName(range.mode, mode));
}

bool FrequencyLimits::allows(std::string_view band, std::string_view mode, std::int32_t kHz) const {
  if (kHz == 0) return true;
  bool limited = false;
  for (const Range& range : ranges_) {
    if (!applies(range, band, mode)) continue;
    if (kHz >= range.lowKhz && kHz <= range.highKhz) return true;
    limited = true;
  }
  return !limited;
}

std::string FrequencyLimits::describe(std::string_view band, std::string_view mode) const {
  std::string text;
  for (const Range& range : ranges_) {
    if (!applies(range, band, mode)) continue;
    text += (text.empty() ? "" : ", ") + std::to_string(range.lowKhz) + "-" +
            std::to_string(range.highKhz);
  }
  return text + " kHz";
}

}  // namespace crosscheck
