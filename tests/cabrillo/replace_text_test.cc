#include <gtest/gtest.h>

#include "cabrillo/station_data.h"

namespace {

struct ReplaceCase {
  const char* source;
  const char* search;
  const char* replacement;
  const char* expected;
};

TEST(ReplaceTextTest, ReplacesEveryExactMatchLeftToRightWithoutRescanning) {
  const ReplaceCase cases[] = {
      {"no match here", "<CR>", "\r", "no match here"},
      {"a<CR>b<CR>c", "<CR>", "\r", "a\rb\rc"},
      {"<CR><CR>", "<CR>", "\r\nSOAPBOX: ", "\r\nSOAPBOX: \r\nSOAPBOX: "},
      {"aaa", "aa", "X", "Xa"},
      {"a-a", "a", "aa", "aa-aa"},
      {"x<LF>y<LF>", "<LF>", "", "xy"},
      {"same", "am", "am", "same"},
      {"", "<CR>", "\r", ""},
      {"<CR", "<CR>", "\r", "<CR"},
      {"keep", "", "X", "keep"},
      {"<cr><CR>", "<CR>", "|", "<cr>|"},
  };
  for (const ReplaceCase& c : cases) {
    EXPECT_EQ(CStationData::ReplaceText(c.source, c.search, c.replacement).str(), c.expected)
        << "source \"" << c.source << "\", search \"" << c.search << "\"";
  }
}

}  // namespace
