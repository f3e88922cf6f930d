#ifndef ZVK_IMPORT_BAND_PLAN_H_
#define ZVK_IMPORT_BAND_PLAN_H_

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace imports {

// The amateur band holding `frequencyHz`, named as the host names bands
// ("20m", "70cm"); empty when the frequency lies in no amateur band.
std::string bandFromFrequency(std::uint64_t frequencyHz);

// A Cabrillo band designation used instead of a frequency above 30 MHz
// ("50", "144", "1.2G", "LIGHT"): the band's lower edge in Hz.
std::optional<std::uint64_t> cabrilloBandEdge(std::string_view designation);

// A decimal number ("7.03475", "14025") in units of 10^`scaleDigits` Hz, as
// Hz; digits below 1 Hz are dropped. Empty for anything else.
std::optional<std::uint64_t> parseScaledFrequency(std::string_view text, int scaleDigits);

}  // namespace imports

#endif  // ZVK_IMPORT_BAND_PLAN_H_
