#include "import/cabrillo_stations.h"

#include <gtest/gtest.h>

#include "import/log_import.h"

namespace {

// Every field of the line's one QSO, so that nothing but the columns moves.
std::string wholeQso(const std::string& afterTime, int exchangeFields) {
  imports::ImportedLog log = imports::importLog("QSO: 7025 CW 2026-11-28 1203 " + afterTime,
                                                "log.cbr", imports::CabrilloLayout{exchangeFields});
  const imports::Qso& q = log.qsos.at(0);
  return std::to_string(q.line) + " " + std::to_string(q.frequencyHz) + " " + q.band + " " +
         q.mode + " " + q.time.Format("%Y-%m-%d %H%M").str() + " | " + q.myCall + " [" + q.rstSent +
         "] [" + q.exchSent + "] | " + q.call + " [" + q.rstRcvd + "] [" + q.exchRcvd + "]";
}

TEST(CabrilloLayout, LinesWithEmptyFieldsKeepTheirColumns) {
  const std::string lead = "1 7025000 40m CW 2026-11-28 1203 | ";
  struct Case {
    int exchangeFields;
    std::string afterTime;
    std::string columns;
  } cases[] = {
      {2, "Q1ZVK 599 417 Q8XB 599 NM", "Q1ZVK [599] [417] | Q8XB [599] [NM]"},
      {2, "Q1ZVK 599 417 Q8XB 599", "Q1ZVK [599] [417] | Q8XB [599] []"},
      {2, "Q1ZVK 599 Q8XB 599 NM", "Q1ZVK [599] [] | Q8XB [599] [NM]"},
      {2, "Q1ZVK 599 417 Q8XB NM", "Q1ZVK [599] [417] | Q8XB [] [NM]"},
      // The plug-in's own line for a host that gave no reports.
      {2, "Q1ZVK    417  Q8XB    NM", "Q1ZVK [] [417] | Q8XB [] [NM]"},
      {2, "Q1ZVK 599 Q8XB 599", "Q1ZVK [599] [] | Q8XB [599] []"},
      {2, "Q1ZVK Q8XB 599 NM", "Q1ZVK [] [] | Q8XB [599] [NM]"},
      {2, "Q1ZVK 599 417 Q8XB", "Q1ZVK [599] [417] | Q8XB [] []"},
      {2, "Q1ZVK 599 417 Q8XB 599 NM 1", "Q1ZVK [599] [417] | Q8XB [599] [NM]"},
      {1, "Q1ZVK 417 Q8XB NM", "Q1ZVK [] [417] | Q8XB [] [NM]"},
      {1, "Q1ZVK Q8XB 12", "Q1ZVK [] [] | Q8XB [] [12]"},
      {1, "Q1ZVK 12 Q8XB", "Q1ZVK [] [12] | Q8XB [] []"},
      {3, "Q1ZVK 599 14 MA Q8XB 599 5", "Q1ZVK [599] [14 MA] | Q8XB [599] [5]"},
      {3, "Q1ZVK 599 Q8XB 599 5 NH", "Q1ZVK [599] [] | Q8XB [599] [5 NH]"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(wholeQso(c.afterTime, c.exchangeFields), lead + c.columns)
        << c.exchangeFields << " fields: " << c.afterTime;
  }
}

}  // namespace
