#include "robot/log_store.h"

#include <gtest/gtest.h>
#include <sqlite3.h>

#include <filesystem>
#include <thread>

#include "errors/tool_error.h"
#include "robot/receipt_code.h"
#include "robot/submission_db.h"
#include "tests/robot/log_store_fixture.h"

namespace robot {
namespace {

using testing_support::fileExists;
using testing_support::readFile;
using testing_support::writeFile;

TEST_F(LogStoreTest, LaterVersionOfACallIsCurrentAndEveryVersionIsKept) {
  LogStore store("logs", clock());
  const Submission first = store.accept("first version\n", factsFor("Q1ZVK/P"));
  const Submission second = store.accept("second version\n", factsFor("Q1ZVK/P"));
  EXPECT_EQ(readFile("logs/Q1ZVK_P.log"), "second version\n");
  EXPECT_EQ(readFile("logs/.history/" + first.receipt + ".log"), "first version\n");
  EXPECT_EQ(readFile("logs/.history/" + second.receipt + ".log"), "second version\n");
  EXPECT_EQ(store.storedVersion(first.receipt), "first version\n");
  EXPECT_EQ(first.receipt.substr(0, 15), "20251129-120000");
  ASSERT_EQ(store.submissions().size(), 2u);
  EXPECT_EQ(latestAccepted(store.submissions()).at(0).receipt, second.receipt);
  EXPECT_TRUE(store.differences(CheckDepth::kDigests).empty());
}

// The code's random part: 16 hex digits, each of its 64 bits drawn (set in
// some of 64 codes of one second: missed by chance with odds of 2^-58).
TEST_F(LogStoreTest, ReceiptCodesCarry64RandomBits) {
  unsigned long long seen = 0;
  for (int n = 0; n < 64; ++n) {
    const std::string code = newReceiptCode(kNoon);
    ASSERT_EQ(code.size(), 32u) << code;
    EXPECT_EQ(code.substr(0, 16), "20251129-120000-");
    seen |= std::stoull(code.substr(16), nullptr, 16);
  }
  EXPECT_EQ(seen, ~0ULL);
}

// A store kept before the codes grew: its short codes are found as they are.
TEST_F(LogStoreTest, ReceiptsWithTheOlderShortCodesAreStillFound) {
  LogStore("logs", clock());
  Submission old;
  old.receipt = "20251129-115959-3FA9C1";
  old.call = "Q1AA";
  old.accepted = true;
  old.historyBytes = 4;
  SubmissionDb("logs/.submissions.sqlite").add(old);
  writeFile("logs/.history/20251129-115959-3FA9C1.log", "old\n");
  const LogStore store("logs", clock());
  ASSERT_TRUE(store.accepted(old.receipt));
  EXPECT_EQ(store.accepted(old.receipt)->call, "Q1AA");
  EXPECT_EQ(store.storedVersion(old.receipt), "old\n");
}

// The organiser can follow a refusal: its call and its text up to the limit.
TEST_F(LogStoreTest, RefusedLogIsARowWithItsCallAndItsTextUpToTheLimit) {
  LogStore store("logs", clock());
  const Submission refused = store.refuse("not a log", "Q1AA", "the log holds no QSO", 5);
  EXPECT_EQ(store.storedVersion(refused.receipt), "not a");
  EXPECT_FALSE(fileExists("logs/Q1AA.log"));
  const LogStore reopened("logs", clock());
  const std::vector<Submission> rows = reopened.submissions();
  ASSERT_EQ(rows.size(), 1u);
  EXPECT_FALSE(rows[0].accepted);
  EXPECT_EQ(rows[0].call, "Q1AA");
  EXPECT_EQ(rows[0].reason, "the log holds no QSO");
  EXPECT_EQ(rows[0].size, 9);
  EXPECT_EQ(rows[0].historyBytes, 5);
  EXPECT_EQ(rows[0].sha256, "2f7498ddfc61874c3870b3426b28a5c1b1ef4625d04438c47337aae5a67a5369");
  EXPECT_TRUE(reopened.differences(CheckDepth::kDigests).empty());
}

TEST_F(LogStoreTest, StartUpCheckNamesEveryDifference) {
  std::string keptReceipt;
  {
    LogStore store("logs", clock());
    keptReceipt = store.accept("kept\n", factsFor("Q1AA")).receipt;
    store.accept("other\n", factsFor("Q2BB"));
  }
  writeFile("logs/Q1AA.log", "changed\n");
  std::filesystem::remove("logs/Q2BB.log");
  writeFile("logs/Q3CC.log", "nobody sent this\n");
  writeFile("logs/.history/19990101-000000-000000.log", "stray\n");
  writeFile("logs/.incoming/write-abc123", "half");
  std::filesystem::remove("logs/.history/" + keptReceipt + ".log");
  LogStore store("logs", clock());
  const std::vector<Submission> rows = store.submissions();
  EXPECT_EQ(store.differences(CheckDepth::kSizes),
            (std::vector<std::string>{
                "logs/.history/" + keptReceipt + ".log: missing, though receipt " + keptReceipt +
                    " was accepted",
                "logs/.history/19990101-000000-000000.log: a version no receipt names",
                "logs/Q1AA.log: not the latest version of Q1AA (receipt " + keptReceipt + ")",
                "logs/Q2BB.log: not the latest version of Q2BB (receipt " + rows[1].receipt + ")",
                "logs/Q3CC.log: a log no receipt names",
                "logs/.incoming/write-abc123: left half-written by a stop during an upload"}));
}

TEST_F(LogStoreTest, ConcurrentUploadsKeepEveryVersionAndTheLastAsCurrent) {
  LogStore store("logs", systemClock);
  constexpr int kThreads = 8;
  constexpr int kEach = 5;
  std::vector<std::thread> threads;
  for (int t = 0; t < kThreads; ++t) {
    threads.emplace_back([&store, t] {
      for (int i = 0; i < kEach; ++i) {
        store.accept("thread " + std::to_string(t) + " upload " + std::to_string(i) + "\n",
                     factsFor(t % 2 ? "Q1ODD" : "Q2EVEN"));
      }
    });
  }
  for (std::thread& thread : threads) thread.join();
  const std::vector<Submission> rows = store.submissions();
  EXPECT_EQ(rows.size(), static_cast<std::size_t>(kThreads * kEach));
  EXPECT_TRUE(store.differences(CheckDepth::kDigests).empty());
  for (const Submission& latest : latestAccepted(rows)) {
    EXPECT_EQ(readFile(store.layout().current(latest.call)), *store.storedVersion(latest.receipt));
  }
}

// The start checks sizes only; a change that keeps the size takes the digests.
TEST_F(LogStoreTest, ChangeOfTheSameSizeIsFoundByTheDigestsOnly) {
  std::string receipt;
  {
    LogStore store("logs", clock());
    receipt = store.accept("kept\n", factsFor("Q1AA")).receipt;
  }
  writeFile("logs/Q1AA.log", "KEPT\n");
  writeFile("logs/.history/" + receipt + ".log", "kepT\n");
  const LogStore store("logs", clock());
  EXPECT_EQ(store.differences(CheckDepth::kSizes), std::vector<std::string>{});
  EXPECT_EQ(
      store.differences(CheckDepth::kDigests),
      (std::vector<std::string>{
          "logs/.history/" + receipt + ".log: other bytes than receipt " + receipt + " recorded",
          "logs/Q1AA.log: not the latest version of Q1AA (receipt " + receipt + ")"}));
}

// Sent again byte for byte: only the call's latest version counts as a copy.
TEST_F(LogStoreTest, CurrentCopyIsTheCallsLatestVersionHoldingTheSameBytes) {
  LogStore store("logs", clock());
  const Submission first = store.accept("first\n", factsFor("Q1AA"));
  store.refuse("first\n", "Q1AA", "sent after the deadline", 100);
  EXPECT_EQ(store.currentCopy("Q1AA", "first\n").value().receipt, first.receipt);
  const Submission second = store.accept("second\n", factsFor("Q1AA"));
  const struct {
    const char* call;
    const char* text;
    std::optional<std::string> receipt;
  } cases[] = {{"Q1AA", "second\n", second.receipt},
               {"Q1AA", "first\n", std::nullopt},
               {"Q1AA", "SECOND\n", std::nullopt},
               {"Q2BB", "second\n", std::nullopt}};
  for (const auto& c : cases) {
    const std::optional<Submission> copy = store.currentCopy(c.call, c.text);
    EXPECT_EQ(copy ? std::optional<std::string>(copy->receipt) : std::nullopt, c.receipt)
        << c.call << " " << c.text;
  }
}

// A database of the robot before refusals kept their text opens as it was.
TEST_F(LogStoreTest, DatabaseOfAnOlderRobotIsBroughtUpToDate) {
  std::filesystem::create_directories("logs/.history");
  writeFile("logs/.history/20251129-120000-000001.log", "kept\n");
  writeFile("logs/Q1AA.log", "kept\n");
  sqlite3* db = nullptr;
  ASSERT_EQ(sqlite3_open("logs/.submissions.sqlite", &db), SQLITE_OK);
  ASSERT_EQ(
      sqlite3_exec(db,
                   "CREATE TABLE submissions (receipt TEXT PRIMARY KEY, call TEXT NOT NULL,"
                   " category TEXT NOT NULL, received INTEGER NOT NULL, size INTEGER NOT "
                   "NULL, sha256 TEXT NOT NULL, qsos INTEGER NOT NULL, claimed_by_rules "
                   "INTEGER NOT NULL, claimed_score INTEGER, outcome TEXT NOT NULL, reason "
                   "TEXT NOT NULL);"
                   "INSERT INTO submissions VALUES ('20251129-120000-000001', 'Q1AA', '',"
                   " 1764417600, 5, "
                   "'a2d5a18e5e4d1fbd3b5a2b0a7ac5f1e7c1ed5b0bd2d3ab5ab0f9c7a1d2e3f4a5', 1, 5, "
                   "NULL, 'accepted', ''), ('20251129-120001-000002', '', '', 1764417601, 9,"
                   " 'x', 0, 0, NULL, 'refused', 'no QSO')",
                   nullptr, nullptr, nullptr),
      SQLITE_OK);
  sqlite3_close(db);
  LogStore store("logs", clock());
  const std::vector<Submission> rows = store.submissions();
  ASSERT_EQ(rows.size(), 2u);
  EXPECT_EQ(rows[0].historyBytes, 5);
  EXPECT_EQ(rows[1].historyBytes, std::nullopt);
  EXPECT_EQ(store.storedVersion(rows[0].receipt), "kept\n");
  EXPECT_EQ(store.storedVersion(rows[1].receipt), std::nullopt);
  EXPECT_EQ(store.differences(CheckDepth::kSizes), std::vector<std::string>{});
  store.refuse("later\n", "Q2BB", "no QSO", 100);
  EXPECT_EQ(LogStore("logs", clock()).submissions().at(2).historyBytes, 6);
}

// A scratch folder that is a file fails every write, also for root.
TEST_F(LogStoreTest, FailedWriteKeepsNoRowAndNoFile) {
  LogStore store("logs", clock());
  store.accept("old\n", factsFor("Q1AA"));
  std::filesystem::remove_all("logs/.incoming");
  writeFile("logs/.incoming", "");
  EXPECT_THROW(store.accept("new\n", factsFor("Q1AA")), errors::ToolError);
  EXPECT_THROW(store.accept("log\n", factsFor("Q2BB")), errors::ToolError);
  EXPECT_EQ(store.submissions().size(), 1u);
  EXPECT_EQ(readFile("logs/Q1AA.log"), "old\n");
  EXPECT_FALSE(fileExists("logs/Q2BB.log"));
}

}  // namespace
}  // namespace robot
