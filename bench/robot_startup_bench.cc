// robot-startup-bench: how long the log robot takes to start on a store of
// many versions. Builds a store of 10 000 accepted versions of 90 KB (400
// calls), then times opening the robot (the database read and the start's
// check of every file by its size) and, for comparison, the check by
// digests that --verify makes. The fastest of three runs of each counts.
// Usage: robot-startup-bench [WORK_FOLDER [VERSIONS]] (default: the system's
// temporary folder, 10 000).
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <string>

#include "files/posix_file_system.h"
#include "files/whole_file.h"
#include "robot/robot_server.h"
#include "robot/sha256.h"
#include "robot/submission_db.h"

namespace {

constexpr int kCalls = 400;
constexpr std::size_t kVersionBytes = 90 * 1024;
constexpr int kRuns = 3;
constexpr double kAimMs = 200;
constexpr robot::UnixTime kNoon = 1764417600;  // 2025-11-29 12:00:00 UTC

std::string callOf(int n) {
  return "Q" + std::to_string(n % 10) + "B" + char('A' + n / 10 % 26) + char('A' + n / 260);
}

// A version told apart from every other by its SOAPBOX, padded to its size.
std::string makeVersion(const std::string& call, int n) {
  std::string text =
      "START-OF-LOG: 3.0\nCALLSIGN: " + call + "\nSOAPBOX: version " + std::to_string(n) + "\n";
  const std::string line = "QSO:  3524 CW 2025-11-29 1200 " + call + " 599 417 Q8XB 599 NM\n";
  while (text.size() + line.size() < kVersionBytes) text += line;
  return text + "END-OF-LOG:\n";
}

// Fills `dir` as the robot would have after `versions` uploads, without
// syncing: the history, each call's latest log and a row each.
void buildStore(const std::string& dir, int versions) {
  files::FileSystem& files = files::defaultFileSystem();
  const robot::StoreLayout layout(dir);
  layout.create(files);
  robot::SubmissionDb db(layout.database());
  for (int n = 0; n < versions; ++n) {
    char receipt[32];
    std::snprintf(receipt, sizeof receipt, "20251129-%06d-%06X", n / 60, n);
    robot::Submission row;
    row.receipt = receipt;
    row.call = callOf(n % kCalls);
    row.received = kNoon + n;
    const std::string text = makeVersion(row.call, n);
    row.size = row.historyBytes.emplace(static_cast<std::int64_t>(text.size()));
    row.sha256 = robot::sha256Hex(text);
    row.accepted = true;
    files::writeFile(files, layout.history(row.receipt), text);
    if (n + kCalls >= versions) files::writeFile(files, layout.current(row.call), text);
    db.add(row);
  }
}

// The fastest of kRuns runs of `run`, in milliseconds.
double fastestMs(const std::function<void()>& run) {
  double fastest = 1e300;
  for (int r = 0; r < kRuns; ++r) {
    const auto start = std::chrono::steady_clock::now();
    run();
    const std::chrono::duration<double, std::milli> took = std::chrono::steady_clock::now() - start;
    fastest = std::min(fastest, took.count());
  }
  return fastest;
}

}  // namespace

int main(int argc, char** argv) {
  namespace fs = std::filesystem;
  const fs::path work =
      fs::path(argc > 1 ? argv[1] : fs::temp_directory_path().string()) / "robot-startup-bench";
  const int versions = argc > 2 ? std::atoi(argv[2]) : 10000;
  fs::remove_all(work);
  robot::RobotSettings settings;
  settings.definition = crosscheck::zvkCwDefinition();
  settings.logsDir = (work / "received").string();
  buildStore(settings.logsDir, versions);
  std::size_t differences = 0;
  const double start =
      fastestMs([&] { differences = robot::RobotServer(settings).differences().size(); });
  const double digests = fastestMs([&] {
    robot::LogStore(settings.logsDir, robot::systemClock).differences(robot::CheckDepth::kDigests);
  });
  std::printf("%d versions of %zu KB, %d calls\n", versions, kVersionBytes / 1024, kCalls);
  std::printf("start (sizes checked):   %8.1f ms, %zu differences\n", start, differences);
  std::printf("check by digests:        %8.1f ms (--verify)\n", digests);
  std::printf("aim: start under %.0f ms: %s\n", kAimMs, start < kAimMs ? "met" : "missed");
  fs::remove_all(work);
  return differences == 0 ? 0 : 1;
}
