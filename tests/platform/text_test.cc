#include "platform/text.h"

#include <gtest/gtest.h>

#include "platform/collections.h"
#include "platform/cstring.h"

namespace {

TEST(TextCompare, NoCaseFoldsOnlyAsciiLetters) {
  EXPECT_TRUE(platform::equalNoCase("80M", "80m"));
  EXPECT_TRUE(platform::equalNoCase("cw", "CW"));
  EXPECT_FALSE(platform::equalNoCase("CW ", "CW"));
  EXPECT_FALSE(platform::equalNoCase("\xc9", "\xe9"));  // other bytes compare as they are
  EXPECT_TRUE(platform::equalNoCase(nullptr, ""));
}

TEST(TextCompare, ExactIsByteForByte) {
  EXPECT_FALSE(platform::equalExact("20m", "20M"));
  EXPECT_LT(platform::compareExact("15m", "80m"), 0);
  EXPECT_GT(platform::compareExact("\x80", "A"), 0);  // unsigned bytes
  EXPECT_TRUE(platform::equalExact(nullptr, ""));
}

TEST(TextSearch, FindsFirstOccurrence) {
  const char* text = "ABJXW123";
  EXPECT_EQ(platform::findText(text, "JXW"), text + 2);
  EXPECT_EQ(platform::findText(text, "jxw"), nullptr);
  EXPECT_EQ(platform::findText("", "JXW"), nullptr);
  EXPECT_EQ(platform::findText(text, ""), text);
}

TEST(TextSearch, CharBoundaryPrefix) {
  EXPECT_EQ(platform::prefixLengthAtCharBoundary("abcdef", 4), 4u);
  EXPECT_EQ(platform::prefixLengthAtCharBoundary("ab", 49), 2u);
  EXPECT_EQ(platform::prefixLengthAtCharBoundary(nullptr, 49), 0u);
}

TEST(CStringValue, NullIsEmptyAndFormatAppends) {
  CString text(static_cast<const char*>(nullptr));
  EXPECT_TRUE(text.IsEmpty());
  text.Format("%s-%i", "a", 5);
  text.AppendFormat("/%s", "b");
  EXPECT_EQ(text.str(), "a-5/b");
  CString padded("  Q1/QQ ");
  EXPECT_EQ(padded.Trim().str(), "Q1/QQ");
  EXPECT_EQ(CString("ABC").Mid(1).str(), "BC");
  EXPECT_EQ(CString("ABCJXW").Find("JXW"), 3);
}

TEST(CArrayMechanics, RemoveKeepsOrderAndBadIndexThrows) {
  CStringArray list;
  list.Add("a");
  list.Add("b");
  list.Add("c");
  list.RemoveAt(1);
  ASSERT_EQ(list.GetSize(), 2);
  EXPECT_EQ(list[0], "a");
  EXPECT_EQ(list[1], "c");
  EXPECT_THROW(list.GetAt(2), std::invalid_argument);
  EXPECT_THROW(list.GetAt(-1), std::invalid_argument);
  list.SetSize(0);
  EXPECT_EQ(list.GetSize(), 0);
  list.Add("d");
  EXPECT_EQ(list[0], "d");
}

}  // namespace
