// Text comparisons under a double-byte code page: CTest runs this program
// with a Japanese locale, which gives Wine the ANSI code page 932.
#include <gtest/gtest.h>

#include "platform/cstring.h"
#include "platform/text.h"

namespace {

// 0x82 0x41 and 0x82 0x61 are two different double-byte characters whose
// trail bytes look like 'A' and 'a'.
constexpr char kDoubleA[] = "\x82\x41";
constexpr char kDoubleSmallA[] = "\x82\x61";

TEST(DoubleByteCodePage, LeadBytesComeFromTheCodePage) {
  ASSERT_TRUE(platform::isLeadByte(0x82)) << "the test needs code page 932 (LC_ALL=ja_JP.UTF-8)";
  EXPECT_FALSE(platform::isLeadByte('A'));
  EXPECT_FALSE(platform::isLeadByte(0xA5));  // a single-byte katakana
}

TEST(DoubleByteCodePage, CaseFoldingNeverTouchesTrailBytes) {
  EXPECT_FALSE(platform::equalNoCase(kDoubleA, kDoubleSmallA));
  EXPECT_TRUE(platform::equalNoCase("\x82\x41x", "\x82\x41X"));
  EXPECT_NE(CString(kDoubleA).CompareNoCase(kDoubleSmallA), 0);
}

TEST(DoubleByteCodePage, SearchNeverMatchesFromATrailByte) {
  const char* text =
      "\x82\x41"
      "B";
  EXPECT_EQ(platform::findText(text, "AB"), nullptr);
  EXPECT_EQ(platform::findText(text,
                               "\x82\x41"
                               "B"),
            text);
  EXPECT_EQ(CString("Vylo\x82\x41"
                    "Vylo")
                .Find("Vylo", 1),
            6);
}

TEST(DoubleByteCodePage, CutsKeepDoubleByteCharactersWhole) {
  EXPECT_EQ(platform::prefixLengthAtCharBoundary("a\x82\x41"
                                                 "b",
                                                 2),
            1u);
  EXPECT_EQ(platform::prefixLengthAtCharBoundary("a\x82\x41"
                                                 "b",
                                                 3),
            3u);
  EXPECT_EQ(platform::prefixLengthAtCharBoundary("a\x82", 2), 2u);  // a lone lead byte at the end
}

}  // namespace
