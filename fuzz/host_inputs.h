#ifndef ZVK_FUZZ_HOST_INPUTS_H_
#define ZVK_FUZZ_HOST_INPUTS_H_

#include <fuzzer/FuzzedDataProvider.h>

#include <cstdint>
#include <deque>
#include <initializer_list>
#include <string>

#include "platform/ole_date_time.h"

// Decodes fuzz input into what a host could pass: texts that are null, empty,
// contest words, very long or any bytes (>= 128, CR, LF included); dates with
// any double and any status, or a null pointer; any integers. Texts and dates
// stay valid as long as this object.
class HostInputs {
 public:
  explicit HostInputs(FuzzedDataProvider& data) : data_(data) {}

  bool exhausted() const { return data_.remaining_bytes() == 0; }
  int pick(int count) { return data_.ConsumeIntegralInRange(0, count - 1); }
  bool flag() { return data_.ConsumeBool(); }

  const char* text();
  // One of `likely` half of the time, else any text: steers calls past the
  // contest's checks.
  const char* textOr(std::initializer_list<const char*> likely);
  // A text that is never null.
  const char* presentText();
  const COleDateTime* date();
  std::int32_t integer();
  std::uint32_t unsignedInteger();
  double number();

 private:
  FuzzedDataProvider& data_;
  std::deque<std::string> texts_;
  std::deque<COleDateTime> dates_;
};

#endif  // ZVK_FUZZ_HOST_INPUTS_H_
