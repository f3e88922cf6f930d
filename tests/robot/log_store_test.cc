#include "robot/log_store.h"

#include <gtest/gtest.h>
#include <sqlite3.h>

#include <algorithm>
#include <filesystem>
#include <functional>
#include <set>
#include <thread>

#include "errors/tool_error.h"
#include "robot/store_check.h"
#include "tests/support/faulty_file_system.h"
#include "tests/support/temp_dir.h"

namespace robot {
namespace {

using testing_support::FaultyFileSystem;
using testing_support::fileExists;
using testing_support::readFile;
using testing_support::writeFile;

constexpr UnixTime kNoon = 1764417600;  // 2025-11-29 12:00:00 UTC

LogFacts factsFor(const std::string& call) {
  LogFacts facts;
  facts.call = call;
  facts.category = "SINGLE-OP";
  facts.qsos = 1;
  facts.claimedByRules = 5;
  return facts;
}

class LogStoreTest : public testing_support::TempDirTest {
 protected:
  UnixTime now_ = kNoon;
  Clock clock() {
    return [this] { return now_++; };
  }
};

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

// Storing a log over an older one of its call, with call `n` of the file
// layer failing in `mode`: the store in a folder of its own, after the failure.
class FailingStore {
 public:
  FailingStore(FaultyFileSystem& faulty, int n, FaultyFileSystem::Mode mode, Clock clock)
      : store_("logs-" + std::to_string(n), std::move(clock), faulty) {
    store_.accept("old\n", factsFor("Q1AA"));
    faulty.failAt(n, mode);
    EXPECT_THROW(store_.accept("new\n", factsFor("Q1AA")), errors::ToolError) << "call " << n;
    failed_ = faulty.failed().at(0);
    done_ = faulty.done();
    faulty.failAt(0, mode);
  }

  const LogStore& store() const { return store_; }
  // The failure met the last step, the sync of the logs folder after the row.
  bool failedAfterTheRow() const {
    return failed_ == FaultyFileSystem::Call{"syncFolder", store_.layout().dir(), ""};
  }
  // The history copy of `receipt` was synced, renamed into place and its
  // folder synced, in this order, before the failure.
  bool historySynced(const std::string& receipt) const {
    const std::string history = store_.layout().history(receipt);
    for (std::size_t r = 0; r < done_.size(); ++r) {
      if (done_[r].operation != "rename" || done_[r].to != history) continue;
      const auto synced = FaultyFileSystem::Call{"sync", done_[r].path, ""};
      const auto folder = FaultyFileSystem::Call{"syncFolder", store_.layout().historyDir(), ""};
      return std::find(done_.begin(), done_.begin() + r, synced) != done_.begin() + r &&
             std::find(done_.begin() + r, done_.end(), folder) != done_.end();
    }
    return false;
  }

 private:
  LogStore store_;
  FaultyFileSystem::Call failed_;
  std::vector<FaultyFileSystem::Call> done_;
};

// The number of file-layer calls of storing a log over an older one.
int callsOfStoringALog(FaultyFileSystem& faulty, Clock clock) {
  LogStore store("logs-counted", std::move(clock), faulty);
  store.accept("old\n", factsFor("Q1AA"));
  faulty.failAt(0, FaultyFileSystem::Mode::kOnce);
  store.accept("new\n", factsFor("Q1AA"));
  return faulty.calls();
}

// Each step failing once, as a full disk fails it: no receipt and the store
// as it was, with no file left over; only a failure after the row keeps the
// new version, whole and current.
TEST_F(LogStoreTest, EachStepFailingLeavesTheStoreAsItWas) {
  FaultyFileSystem faulty;
  const int steps = callsOfStoringALog(faulty, clock());
  ASSERT_GT(steps, 10);
  for (int n = 1; n <= steps; ++n) {
    const FailingStore failing(faulty, n, FaultyFileSystem::Mode::kOnce, clock());
    const LogStore& store = failing.store();
    const std::vector<Submission> rows = store.submissions();
    EXPECT_EQ(store.differences(CheckDepth::kDigests), std::vector<std::string>{}) << "call " << n;
    EXPECT_EQ(rows.size(), failing.failedAfterTheRow() ? 2u : 1u) << "call " << n;
    EXPECT_EQ(readFile(store.layout().current("Q1AA")),
              failing.failedAfterTheRow() ? "new\n" : "old\n")
        << "call " << n;
  }
}

// The machine stopping at each step (every later call fails, the clean-up's
// too): a row is only ever there once its history copy is whole on the disk.
TEST_F(LogStoreTest, AfterACrashAtAnyStepEveryRowHasItsHistoryCopyOnTheDisk) {
  FaultyFileSystem faulty;
  const int steps = callsOfStoringALog(faulty, clock());
  for (int n = 1; n <= steps; ++n) {
    const FailingStore failing(faulty, n, FaultyFileSystem::Mode::kFromThenOn, clock());
    const LogStore& store = failing.store();
    for (const Submission& row : store.submissions()) {
      EXPECT_EQ(store.storedVersion(row.receipt),
                row.receipt == store.submissions()[0].receipt ? "old\n" : "new\n")
          << "call " << n;
      if (row.receipt != store.submissions()[0].receipt) {
        EXPECT_TRUE(failing.historySynced(row.receipt)) << "call " << n;
      }
    }
  }
}

// The files a crash left that a restart must name: scratch files, history
// files no row names, and the current log when it is not the latest row's.
std::vector<std::string> leftovers(const LogStore& store) {
  std::vector<std::string> paths;
  for (const auto& entry : std::filesystem::directory_iterator(store.layout().scratchDir())) {
    paths.push_back(store.layout().scratchDir() + "/" + entry.path().filename().string());
  }
  std::set<std::string> named;
  for (const Submission& row : store.submissions()) named.insert(row.receipt + ".log");
  for (const auto& entry : std::filesystem::directory_iterator(store.layout().historyDir())) {
    const std::string name = entry.path().filename().string();
    if (named.count(name) == 0) paths.push_back(store.layout().historyDir() + "/" + name);
  }
  const Submission latest = latestAccepted(store.submissions()).at(0);
  if (readFile(store.layout().current(latest.call)) != store.storedVersion(latest.receipt)) {
    paths.push_back(store.layout().current(latest.call));
  }
  return paths;
}

bool names(const std::vector<std::string>& report, const std::string& path) {
  return std::any_of(report.begin(), report.end(),
                     [&](const std::string& line) { return line.rfind(path + ": ", 0) == 0; });
}

// The machine stopping at each step of storing an upload, accepted or
// refused, and the robot started again: every row's text is whole in the
// history, the call's log is one whole version, and the start's check (by
// sizes) names every file the crash left, as the check by digests does.
TEST_F(LogStoreTest, RestartAfterACrashAtAnyStepNamesWhatTheCrashLeft) {
  const std::pair<const char*, std::function<void(LogStore&)>> uploads[] = {
      {"accepted", [](LogStore& store) { store.accept("new\n", factsFor("Q1AA")); }},
      {"refused", [](LogStore& store) { store.refuse("not a log\n", "Q1AA", "no QSO", 100); }}};
  FaultyFileSystem faulty;
  for (const auto& upload : uploads) {
    bool crashed = true;
    for (int n = 1; crashed; ++n) {
      const std::string dir = std::string(upload.first) + "-" + std::to_string(n);
      {
        LogStore store(dir, clock(), faulty);
        store.accept("old\n", factsFor("Q1AA"));
        faulty.failAt(n, FaultyFileSystem::Mode::kFromThenOn);
        try {
          upload.second(store);
          crashed = false;
        } catch (const errors::ToolError&) {
        }
        faulty.failAt(0, FaultyFileSystem::Mode::kOnce);
      }
      const LogStore restarted(dir, clock());
      const std::vector<std::string> report = restarted.differences(CheckDepth::kSizes);
      EXPECT_EQ(report, restarted.differences(CheckDepth::kDigests)) << dir;
      for (const std::string& path : leftovers(restarted)) EXPECT_TRUE(names(report, path)) << path;
      for (const Submission& row : restarted.submissions()) {
        EXPECT_TRUE(restarted.storedVersion(row.receipt)) << dir << " " << row.receipt;
      }
      const std::string current = readFile(restarted.layout().current("Q1AA"));
      EXPECT_TRUE(current == "old\n" || current == "new\n") << dir;
    }
  }
}

}  // namespace
}  // namespace robot
