#include "import/band_plan.h"

#include "import/text_case.h"

namespace imports {
namespace {

struct Band {
  const char* name;
  std::uint64_t lowHz;
  std::uint64_t highHz;
};

constexpr std::uint64_t kKHz = 1000;
constexpr std::uint64_t kMHz = 1000 * kKHz;
constexpr std::uint64_t kGHz = 1000 * kMHz;

// The amateur bands as ADIF lists them, low to high.
constexpr Band kBands[] = {
    {"2190m", 135700, 137800},           {"630m", 472 * kKHz, 479 * kKHz},
    {"560m", 501 * kKHz, 504 * kKHz},    {"160m", 1800 * kKHz, 2000 * kKHz},
    {"80m", 3500 * kKHz, 4000 * kKHz},   {"60m", 5060 * kKHz, 5450 * kKHz},
    {"40m", 7000 * kKHz, 7300 * kKHz},   {"30m", 10100 * kKHz, 10150 * kKHz},
    {"20m", 14000 * kKHz, 14350 * kKHz}, {"17m", 18068 * kKHz, 18168 * kKHz},
    {"15m", 21000 * kKHz, 21450 * kKHz}, {"12m", 24890 * kKHz, 24990 * kKHz},
    {"10m", 28000 * kKHz, 29700 * kKHz}, {"8m", 40 * kMHz, 45 * kMHz},
    {"6m", 50 * kMHz, 54 * kMHz},        {"5m", 54 * kMHz + 1, 69900 * kKHz},
    {"4m", 70 * kMHz, 71 * kMHz},        {"2m", 144 * kMHz, 148 * kMHz},
    {"1.25m", 222 * kMHz, 225 * kMHz},   {"70cm", 420 * kMHz, 450 * kMHz},
    {"33cm", 902 * kMHz, 928 * kMHz},    {"23cm", 1240 * kMHz, 1300 * kMHz},
    {"13cm", 2300 * kMHz, 2450 * kMHz},  {"9cm", 3300 * kMHz, 3500 * kMHz},
    {"6cm", 5650 * kMHz, 5925 * kMHz},   {"3cm", 10 * kGHz, 10500 * kMHz},
    {"1.25cm", 24 * kGHz, 24250 * kMHz}, {"6mm", 47 * kGHz, 47200 * kMHz},
    {"4mm", 75500 * kMHz, 81 * kGHz},    {"2.5mm", 119980 * kMHz, 123 * kGHz},
    {"2mm", 134 * kGHz, 149 * kGHz},     {"1mm", 241 * kGHz, 250 * kGHz},
    {"submm", 300 * kGHz, 7500 * kGHz},
};

struct Designation {
  std::string_view text;
  std::uint64_t edgeHz;
};

constexpr Designation kDesignations[] = {
    {"50", 50 * kMHz},     {"70", 70 * kMHz},     {"144", 144 * kMHz},     {"222", 222 * kMHz},
    {"432", 420 * kMHz},   {"902", 902 * kMHz},   {"1.2G", 1240 * kMHz},   {"2.3G", 2300 * kMHz},
    {"3.4G", 3300 * kMHz}, {"5.7G", 5650 * kMHz}, {"10G", 10 * kGHz},      {"24G", 24 * kGHz},
    {"47G", 47 * kGHz},    {"75G", 75500 * kMHz}, {"122G", 119980 * kMHz}, {"123G", 119980 * kMHz},
    {"134G", 134 * kGHz},  {"241G", 241 * kGHz},  {"LIGHT", 300 * kGHz},
};

// The longest designation that is all digits; every longer one ends in a
// letter, so a longer text ending in a digit is a frequency.
constexpr std::size_t kLongestNumberDesignation = 3;  // "902"

constexpr bool isDigit(char c) { return c >= '0' && c <= '9'; }

constexpr bool longerDesignationsEndInLetters() {
  for (const Designation& entry : kDesignations) {
    if (entry.text.size() > kLongestNumberDesignation && isDigit(entry.text.back())) return false;
  }
  return true;
}
static_assert(longerDesignationsEndInLetters());

}  // namespace

std::string bandFromFrequency(std::uint64_t frequencyHz) {
  for (const Band& band : kBands) {
    if (frequencyHz >= band.lowHz && frequencyHz <= band.highHz) return band.name;
  }
  return std::string();
}

std::optional<std::uint64_t> cabrilloBandEdge(std::string_view designation) {
  // Asked for every QSO line, nearly always of a frequency in kHz, which
  // is told apart at once; the rest are compared in place.
  if (designation.empty() ||
      (designation.size() > kLongestNumberDesignation && isDigit(designation.back()))) {
    return std::nullopt;
  }
  for (const Designation& entry : kDesignations) {
    if (designation.size() == entry.text.size() && startsWithNoCase(designation, entry.text)) {
      return entry.edgeHz;
    }
  }
  return std::nullopt;
}

std::optional<std::uint64_t> parseScaledFrequency(std::string_view text, int scaleDigits) {
  constexpr std::uint64_t kLimit = 1000000 * kGHz;  // far above any band, far below overflow
  std::uint64_t hz = 0;
  int fractionDigits = -1;  // -1 before the decimal point
  bool anyDigit = false;
  for (char c : text) {
    if (c == '.' && fractionDigits < 0) {
      fractionDigits = 0;
    } else if (c >= '0' && c <= '9') {
      anyDigit = true;
      if (fractionDigits >= 0 && ++fractionDigits > scaleDigits) continue;
      hz = hz * 10 + static_cast<std::uint64_t>(c - '0');
      if (hz > kLimit) return std::nullopt;
    } else {
      return std::nullopt;
    }
  }
  if (!anyDigit) return std::nullopt;
  for (int i = fractionDigits < 0 ? 0 : fractionDigits; i < scaleDigits; ++i) {
    hz *= 10;
    if (hz > kLimit) return std::nullopt;
  }
  return hz;
}

}  // namespace imports
