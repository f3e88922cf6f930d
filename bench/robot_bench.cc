// robot-bench: the log robot under load over loopback. 20 clients send 1 000
// logs of 5 000 QSOs at once, 40 calls among them so that one call's uploads
// race each other; then one client sends 50 alone. Reports uploads per
// second and the median and 99th-percentile answer times, and checks that no
// version was lost or mixed: the folder, the history and the database agree
// (exit status 1 when they do not or an upload failed).
// Usage: robot-bench [WORK_FOLDER [UPLOADS]] (default: the system's
// temporary folder, 1 000).
#include <httplib.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "robot/robot_server.h"
#include "robot/store_check.h"

namespace {

constexpr int kClients = 20;
constexpr int kCalls = 40;
constexpr int kQsosPerLog = 5000;
constexpr int kAloneUploads = 50;
constexpr double kMedianAimMs = 50;
constexpr const char* kBands[] = {"3524", "7024", "14024", "21024", "28024"};

std::string callOf(int n) { return "Q" + std::to_string(n % 10) + "B" + char('A' + n / 10); }

// A log of `kQsosPerLog` QSOs, told apart from every other by its SOAPBOX.
std::string makeLog(const std::string& call, int upload) {
  std::string log = "START-OF-LOG: 3.0\nCALLSIGN: " + call +
                    "\nCATEGORY-OPERATOR: SINGLE-OP\nSOAPBOX: upload " + std::to_string(upload) +
                    "\n";
  char line[128];
  for (int q = 0; q < kQsosPerLog; ++q) {
    const int minute = q / 20;
    std::snprintf(line, sizeof line,
                  "QSO: %5s CW 2025-11-29 %02d%02d %-13s 599 417    Q%dX%c%c%c 599 NM\n",
                  kBands[q % 5], 12 + minute / 60 % 6, minute % 60, call.c_str(), q % 10,
                  'A' + q / 10 % 26, 'A' + q / 260 % 26, 'A' + q % 7);
    log += line;
  }
  return log + "END-OF-LOG:\n";
}

struct Timings {
  std::mutex mutex;
  std::vector<double> ms;
  std::atomic<int> failed{0};

  void add(double answerMs) {
    std::lock_guard<std::mutex> lock(mutex);
    ms.push_back(answerMs);
  }
};

void sendUploads(int port, int client, int uploads, int clients, Timings* timings) {
  httplib::Client http("127.0.0.1", port);
  http.set_read_timeout(120);
  for (int n = client; n < uploads; n += clients) {
    const std::string log = makeLog(callOf(n % kCalls), n);
    const auto start = std::chrono::steady_clock::now();
    httplib::Result answer =
        http.Post("/upload", httplib::MultipartFormDataItems{{"log", log, "log.cbr", ""}});
    const std::chrono::duration<double, std::milli> took = std::chrono::steady_clock::now() - start;
    // An accepted log is answered with its receipt's address.
    if (!answer || answer->status != 303) ++timings->failed;
    timings->add(took.count());
  }
}

double percentile(std::vector<double> values, double fraction) {
  std::sort(values.begin(), values.end());
  return values[std::min(values.size() - 1, static_cast<std::size_t>(fraction * values.size()))];
}

// Sends `uploads` logs from `clients` clients at once; prints the figures
// and returns the median answer time, or -1 when an upload failed.
double measure(int port, int uploads, int clients, const char* what) {
  Timings timings;
  const auto start = std::chrono::steady_clock::now();
  std::vector<std::thread> threads;
  for (int c = 0; c < clients; ++c) {
    threads.emplace_back(sendUploads, port, c, uploads, clients, &timings);
  }
  for (std::thread& thread : threads) thread.join();
  const std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
  std::printf(
      "%-34s %5d uploads in %6.1f s: %6.1f uploads/s, answer median %6.1f ms, p99 %6.1f ms%s\n",
      what, uploads, took.count(), uploads / took.count(), percentile(timings.ms, 0.5),
      percentile(timings.ms, 0.99), timings.failed ? " (FAILED uploads)" : "");
  return timings.failed ? -1 : percentile(timings.ms, 0.5);
}

int checkStore(const robot::RobotSettings& settings, int expected) {
  robot::LogStore store(settings.logsDir, robot::systemClock);
  const std::vector<robot::Submission> rows = store.submissions();
  std::vector<std::string> differences = store.differences(robot::CheckDepth::kDigests);
  const long accepted = std::count_if(rows.begin(), rows.end(),
                                      [](const robot::Submission& row) { return row.accepted; });
  for (const std::string& difference : differences) std::printf("  %s\n", difference.c_str());
  std::printf("store: %ld of %d uploads accepted, %zu calls, %zu differences\n", accepted, expected,
              robot::latestAccepted(rows).size(), differences.size());
  return differences.empty() && accepted == expected ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv) {
  namespace fs = std::filesystem;
  const fs::path work =
      fs::path(argc > 1 ? argv[1] : fs::temp_directory_path().string()) / "robot-bench";
  const int uploads = argc > 2 ? std::atoi(argv[2]) : 1000;
  fs::remove_all(work);
  robot::RobotSettings settings;
  settings.definition = crosscheck::zvkCwDefinition();
  settings.logsDir = (work / "received").string();
  // Every client sends from this machine's address.
  settings.uploadRate = {uploads, uploads};
  int status = 0;
  {
    robot::RobotServer server(settings);
    const int port = server.bind("127.0.0.1", 0);
    std::thread serving([&server] { server.run(); });
    std::printf("%d QSOs a log (%zu bytes), %d calls\n", kQsosPerLog, makeLog("Q1BA", 0).size(),
                kCalls);
    status |= measure(port, uploads, kClients, "20 clients at once:") < 0;
    const double alone = measure(port, kAloneUploads, 1, "1 client alone:");
    std::printf("aim: a log answered in under %.0f ms at the median when alone: %s\n", kMedianAimMs,
                alone < 0              ? "failed"
                : alone < kMedianAimMs ? "met"
                                       : "missed");
    status |= alone < 0;
    server.stop();
    serving.join();
  }
  status |= checkStore(settings, uploads + kAloneUploads);
  fs::remove_all(work);
  return status;
}
