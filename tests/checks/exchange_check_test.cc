#include "checks/exchange_check.h"

#include <gtest/gtest.h>

namespace {

TEST(ExchangeCheck, AcceptsNumbersAndMarkedTexts) {
  for (const char* exch : {"001", "123", "598", "600", "999", "0001", "0599", "1234", "9999",
                           "JXW123", "ab JXW", "xJXWyz", "JXW\x80\x81\x82"}) {
    EXPECT_EQ(isValidExchange(exch), 1) << exch;
  }
}

TEST(ExchangeCheck, RejectsEverythingElse) {
  for (const char* exch : {"599", "12", "1", "12345", "12a", " 123", "", "JXW12", "jxw123", "NM",
                           "ABCDEFG", "\xb9\xb2\xb3", "12\x80"}) {
    EXPECT_EQ(isValidExchange(exch), 0) << exch;
  }
  EXPECT_EQ(isValidExchange(nullptr), 0);
}

}  // namespace
