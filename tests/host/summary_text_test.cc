#include "host/summary_text.h"

#include <gtest/gtest.h>

#include "host/ubn_lines.h"

namespace {

const char kSummary[] =
    "ZVK-CW-CONTEST  12.06-13.06.2016 \r\n\tContestant: Q1ZVK\r\n\tQSOs\tPoints\t ZVK\r\n"
    "80m\t 1\t 5\t  1\r\n20m\t 3\t 7\t  1\r\nTotal\t 4\t 12\t  2\r\n\r\nScore:   12 \r\n\r\n"
    "any credit";

TEST(SummaryText, ReadsEveryValueBack) {
  std::optional<host::Summary> summary = host::parseSummary(kSummary);
  ASSERT_TRUE(summary);
  EXPECT_EQ(summary->title, "ZVK-CW-CONTEST");
  EXPECT_EQ(summary->periodFrom, "12.06");
  EXPECT_EQ(summary->periodTo, "13.06.2016");
  EXPECT_EQ(summary->contestant, "Q1ZVK");
  ASSERT_EQ(summary->bands.size(), 2u);
  EXPECT_EQ(summary->bands[1].band, "20m");
  EXPECT_EQ(summary->bands[1].qsos, 3);
  EXPECT_EQ(summary->bands[1].points, 7);
  EXPECT_EQ(summary->bands[1].members, 1);
  EXPECT_EQ(summary->total.qsos, 4);
  EXPECT_EQ(summary->total.points, 12);
  EXPECT_EQ(summary->claimedScore, 12);
}

TEST(SummaryText, ReadsTheEmptySummaryBeforeAnyReset) {
  std::optional<host::Summary> summary = host::parseSummary(
      "ZVK-CW-CONTEST  - \r\n\tContestant: \r\n\tQSOs\tPoints\t ZVK\r\nTotal\t 0\t 0\t  0\r\n"
      "\r\nScore:   0 \r\n\r\ncredit");
  ASSERT_TRUE(summary);
  EXPECT_EQ(summary->periodFrom, "");
  EXPECT_EQ(summary->periodTo, "");
  EXPECT_TRUE(summary->bands.empty());
}

TEST(SummaryText, RejectsOtherLayouts) {
  std::string text = kSummary;
  for (const std::string& broken :
       {std::string(""), text.substr(0, text.find("Total")), text.substr(0, text.find("Score")),
        std::string(text).replace(text.find("\t 7"), 3, "\t x"),
        std::string(text).replace(text.find("Contestant"), 10, "Operator"),
        std::string(text).replace(text.find("Score:   12"), 11, "Score:   "),
        std::string("plain text\r\nof another plug-in\r\n\r\n\r\n")}) {
    EXPECT_FALSE(host::parseSummary(broken)) << broken;
  }
}

TEST(UbnLines, GroupsQsoLinesByReasonInFixedOrder) {
  std::vector<host::UbnGroup> groups = host::groupUbnLines(
      "ZVK-CW-CONTEST  UBN file \r\n"
      "QSO:  14025  CW  2016-11-27 1405  Q1ZVK  599  NM  Q2AB  599  1234   DUPE !!!\r\n"
      "QSO:  1830  CW  2016-11-27 1406  Q1ZVK  599  NM  Q3CD  599  12   NO CONTEST BAND !!!\r\n"
      "QSO:  7025  CW  2016-11-27 1407  Q1ZVK  599  NM  Q4\r\n"
      "EF  599  1   NO RX/TX NUMBER !!!\r\n");
  ASSERT_EQ(groups.size(), 5u);
  EXPECT_EQ(groups[0].reason, "NO CONTEST BAND");
  EXPECT_EQ(
      groups[0].lines,
      std::vector<std::string>{
          "QSO:  1830  CW  2016-11-27 1406  Q1ZVK  599  NM  Q3CD  599  12   NO CONTEST BAND !!!"});
  EXPECT_TRUE(groups[1].lines.empty());
  EXPECT_TRUE(groups[2].lines.empty());  // the rest of a line split by a line break in a call
  EXPECT_EQ(groups[3].reason, "DUPE");
  EXPECT_EQ(groups[3].lines.size(), 1u);
  EXPECT_EQ(groups[4].reason, "OTHER");
  EXPECT_EQ(groups[4].lines,
            std::vector<std::string>{"QSO:  7025  CW  2016-11-27 1407  Q1ZVK  599  NM  Q4"});
}

}  // namespace
