#include "log/qso_log.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

CInfo record(const char* call, const char* band) {
  CInfo info;
  info.call = call;
  info.band = band;
  return info;
}

std::string describe(const CInfo& info) { return info.call.str() + "/" + info.band.str(); }

std::vector<std::string> logOrder(const CQsoLog& log) {
  std::vector<std::string> order;
  for (const CInfo& info : log) order.push_back(describe(info));
  return order;
}

std::vector<std::string> ofCall(const CQsoLog& log, const char* call) {
  std::vector<std::string> order;
  for (CQsoLog::Position position : log.recordsOfCall(call)) order.push_back(describe(*position));
  return order;
}

using Order = std::vector<std::string>;

// Q2QQ three times, and calls that differ from it only in case, in length or
// that are empty.
void fill(CQsoLog& log) {
  const char* const bands[] = {"20m", "40m", "80m"};
  int next = 0;
  for (const char* call : {"Q2QQ", "Q3QQ", "Q2QQ", "q2qq", "", "Q2QQ"}) {
    log.Add(record(call, bands[next++ % 3]));
  }
}

CQsoLog::Position nthOfCall(const CQsoLog& log, const char* call, int n) {
  return log.recordsOfCall(call)[static_cast<std::size_t>(n)];
}

class QsoLogTest : public ::testing::Test {
 protected:
  void SetUp() override { fill(log); }

  CQsoLog log;
};

TEST_F(QsoLogTest, CallsKeepTheirRecordsInLogOrderAndCompareExactly) {
  EXPECT_EQ(log.GetSize(), 6);
  EXPECT_EQ(logOrder(log),
            (Order{"Q2QQ/20m", "Q3QQ/40m", "Q2QQ/80m", "q2qq/20m", "/40m", "Q2QQ/80m"}));
  EXPECT_EQ(ofCall(log, "Q2QQ"), (Order{"Q2QQ/20m", "Q2QQ/80m", "Q2QQ/80m"}));
  EXPECT_EQ(ofCall(log, "q2qq"), (Order{"q2qq/20m"}));
  EXPECT_EQ(ofCall(log, nullptr), (Order{"/40m"}));
  EXPECT_EQ(ofCall(log, "Q2Q"), Order{});
}

TEST(QsoLogRemovalTest, RemovingARecordKeepsTheOrderOfTheRest) {
  struct Case {
    int nthOfQ2qq;
    Order left;
  } cases[] = {
      {0, {"Q3QQ/40m", "Q2QQ/80m", "q2qq/20m", "/40m", "Q2QQ/80m"}},
      {1, {"Q2QQ/20m", "Q3QQ/40m", "q2qq/20m", "/40m", "Q2QQ/80m"}},
      {2, {"Q2QQ/20m", "Q3QQ/40m", "Q2QQ/80m", "q2qq/20m", "/40m"}},
  };
  for (const Case& c : cases) {
    CQsoLog log;
    fill(log);
    log.RemoveAt(nthOfCall(log, "Q2QQ", c.nthOfQ2qq));
    EXPECT_EQ(logOrder(log), c.left) << c.nthOfQ2qq;
    Order ofQ2qq;
    for (const std::string& left : c.left) {
      if (left.rfind("Q2QQ/", 0) == 0) ofQ2qq.push_back(left);
    }
    EXPECT_EQ(ofCall(log, "Q2QQ"), ofQ2qq) << c.nthOfQ2qq;
    EXPECT_EQ(ofCall(log, "Q3QQ"), Order{"Q3QQ/40m"});
  }
}

TEST_F(QsoLogTest, CallWhoseRecordsAreAllRemovedCanBeAddedAgain) {
  log.RemoveAt(nthOfCall(log, "Q3QQ", 0));
  EXPECT_EQ(ofCall(log, "Q3QQ"), Order{});
  log.Add(record("Q3QQ", "10m"));
  EXPECT_EQ(ofCall(log, "Q3QQ"), Order{"Q3QQ/10m"});
  EXPECT_EQ(logOrder(log).back(), "Q3QQ/10m");
}

TEST_F(QsoLogTest, RemoveAllLeavesAnEmptyLogThatGrowsAgain) {
  log.RemoveAll();
  EXPECT_TRUE(log.IsEmpty());
  EXPECT_EQ(log.begin(), log.end());
  EXPECT_EQ(ofCall(log, "Q2QQ"), Order{});
  log.Add(record("Q2QQ", "15m"));
  EXPECT_EQ(logOrder(log), Order{"Q2QQ/15m"});
  EXPECT_EQ(ofCall(log, "Q2QQ"), Order{"Q2QQ/15m"});
}

TEST_F(QsoLogTest, RecordsStayInPlaceWhileOthersComeAndGo) {
  const CInfo* first = &*log.begin();
  for (int i = 0; i < 1000; ++i) log.Add(record("Q4QQ", "20m"));
  while (!log.recordsOfCall("Q4QQ").empty()) log.RemoveAt(nthOfCall(log, "Q4QQ", 0));
  EXPECT_EQ(&*log.begin(), first);
  EXPECT_EQ(describe(*first), "Q2QQ/20m");
}

}  // namespace
