#ifndef ZVK_CROSSCHECK_FREQUENCY_LIMITS_H_
#define ZVK_CROSSCHECK_FREQUENCY_LIMITS_H_

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace crosscheck {

// The contest's sub-bands: where on each band (and mode) its QSOs may be.
// A band and mode without a range of its own has no limit, and a QSO whose
// log gives no frequency is not judged by them.
class FrequencyLimits {
 public:
  // "80m:3510-3560,40m/CW:7000-7030" in kHz, a band given again for a
  // second range. Nothing: not such a text.
  static std::optional<FrequencyLimits> parse(std::string_view text);

  bool empty() const { return ranges_.empty(); }
  // Whether a QSO on `band` and `mode` at `kHz` (0: unknown) is within the limits.
  bool allows(std::string_view band, std::string_view mode, std::int32_t kHz) const;
  // "3510-3560 kHz": the ranges of `band` and `mode`, for a report.
  std::string describe(std::string_view band, std::string_view mode) const;

 private:
  struct Range {
    std::string band;
    std::string mode;  // empty: every mode
    std::int32_t lowKhz = 0;
    std::int32_t highKhz = 0;
  };
  bool applies(const Range& range, std::string_view band, std::string_view mode) const;

  std::vector<Range> ranges_;
};

}  // namespace crosscheck

#endif  // ZVK_CROSSCHECK_FREQUENCY_LIMITS_H_
