#include "fuzz/host_inputs.h"

#include <cmath>
#include <cstring>
#include <limits>

namespace {

// Words that steer the calls into the contest's paths, and texts that have
// broken file names and lines elsewhere.
const char* const kWords[] = {
    "20m",  "80m",       "80M",  "40m",     "15m",      "10m",    "160m",      "CW",
    "cw",   "SSB",       "NM",   "nm",      "599",      "1234",   "123",       "JXW123",
    "Q2QQ", "Q1QQQ",     "q2qq", "Q1/QQ/P", "../../up", "..",     "..\\..\\x", "/dev/full",
    "CON",  "Plugins/x", "\r\n", "\n",      " ",        "NM\r\n", "\t"};

const double kDays[] = {std::numeric_limits<double>::quiet_NaN(),
                        std::numeric_limits<double>::infinity(),
                        -std::numeric_limits<double>::infinity(),
                        std::numeric_limits<double>::max(),
                        -std::numeric_limits<double>::max(),
                        std::numeric_limits<double>::denorm_min(),
                        0.0,
                        -0.0,
                        -0.5,
                        -1.25,
                        -657434.0,     // 1 January 100
                        -657435.0,     // the day before
                        2958465.9999,  // the last moment of 9999
                        2958466.0,     // 1 January 10000
                        42700.5,
                        42701.99999999,
                        9.3e18,
                        -9.3e18,
                        2147483648.0};

}  // namespace

const char* HostInputs::text() {
  switch (data_.ConsumeIntegralInRange(0, 7)) {
    case 0:
      return nullptr;
    case 1:
      return "";
    case 2:
    case 3:
      return kWords[data_.ConsumeIntegralInRange<std::size_t>(0, std::size(kWords) - 1)];
    case 4: {
      std::size_t length = data_.ConsumeIntegralInRange<std::size_t>(40, 70000);
      texts_.emplace_back(length, static_cast<char>(data_.ConsumeIntegralInRange(1, 255)));
      return texts_.back().c_str();
    }
    default:
      texts_.push_back(data_.ConsumeRandomLengthString(80));
      return texts_.back().c_str();
  }
}

const char* HostInputs::textOr(std::initializer_list<const char*> likely) {
  if (!data_.ConsumeBool()) return text();
  return likely.begin()[data_.ConsumeIntegralInRange<std::size_t>(0, likely.size() - 1)];
}

const char* HostInputs::presentText() {
  const char* value = text();
  return value ? value : "";
}

const COleDateTime* HostInputs::date() {
  if (data_.ConsumeIntegralInRange(0, 9) == 0) return nullptr;
  double days;
  switch (data_.ConsumeIntegralInRange(0, 2)) {
    case 0:
      days = kDays[data_.ConsumeIntegralInRange<std::size_t>(0, std::size(kDays) - 1)];
      break;
    case 1:
      days = data_.ConsumeFloatingPointInRange(-700000.0, 3000000.0);
      break;
    default:
      days = number();
  }
  std::int32_t status = data_.ConsumeBool() ? data_.ConsumeIntegralInRange(0, 2) : integer();
  dates_.emplace_back(days, status);
  return &dates_.back();
}

std::int32_t HostInputs::integer() { return data_.ConsumeIntegral<std::int32_t>(); }

std::uint32_t HostInputs::unsignedInteger() { return data_.ConsumeIntegral<std::uint32_t>(); }

double HostInputs::number() {
  std::uint64_t bits = data_.ConsumeIntegral<std::uint64_t>();
  double value;
  std::memcpy(&value, &bits, sizeof value);
  return value;
}
