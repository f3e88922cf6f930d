// The store when a step of storing fails: once, as a full disk fails it, or
// from then on, as when the machine stops.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <functional>
#include <set>

#include "errors/tool_error.h"
#include "robot/log_store.h"
#include "tests/robot/log_store_fixture.h"
#include "tests/support/faulty_file_system.h"

namespace robot {
namespace {

using testing_support::FaultyFileSystem;
using testing_support::readFile;

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
      if (done_[r].operation != "renameAsNew" || done_[r].to != history) continue;
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
