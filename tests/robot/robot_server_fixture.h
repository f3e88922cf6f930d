#ifndef ZVK_TESTS_ROBOT_ROBOT_SERVER_FIXTURE_H_
#define ZVK_TESTS_ROBOT_ROBOT_SERVER_FIXTURE_H_

#include <gtest/gtest.h>
#include <httplib.h>

#include <memory>
#include <regex>
#include <string>
#include <thread>
#include <vector>

#include "robot/log_store.h"
#include "robot/robot_server.h"
#include "tests/support/temp_dir.h"

namespace robot {

using testing_support::readFile;
using testing_support::writeFile;

constexpr char kKey[] = "organiser secret";
constexpr UnixTime kOpens = 1764547200 - 7 * 86400;  // 2025-11-24 00:00:00 UTC
constexpr UnixTime kDeadline = 1764547200;           // 2025-12-01 00:00:00 UTC
constexpr char kLog[] =
    "START-OF-LOG: 3.0\r\n"
    "CALLSIGN: Q1ZVK\r\n"
    "CATEGORY-OPERATOR: SINGLE-OP\r\n"
    "CLAIMED-SCORE: 6\r\n"
    "QSO:  3524 CW 2025-11-29 1200 Q1ZVK 599 417 Q8XB 599 NM\r\n"
    "QSO: 14022 CW 2025-11-29 1303 Q1ZVK 599 417 Q4WZ 599 902\r\n"
    "END-OF-LOG:\r\n";

// A robot on a loopback port of its own, its clock in the test's hand.
class RobotServerTest : public testing_support::TempDirTest {
 protected:
  void start(std::size_t sizeLimit = kDefaultSizeLimit, std::string key = kKey) {
    RobotSettings settings;
    settings.definition = crosscheck::zvkCwDefinition();
    settings.definition.from = imports::UtcTime{2025, 11, 29, 12, 0, 0};
    settings.definition.to = imports::UtcTime{2025, 11, 29, 17, 59, 0};
    settings.opens = kOpens;
    settings.deadline = kDeadline;
    settings.organiserKey = std::move(key);
    settings.sizeLimit = sizeLimit;
    settings.threads = 2;
    settings.uploadRate = rate_;
    settings.clock = [this] { return now_; };
    server_ = std::make_unique<RobotServer>(settings);
    const int port = server_->bind("127.0.0.1", 0);
    ASSERT_GT(port, 0);
    thread_ = std::thread([this] { server_->run(); });
    client_ = std::make_unique<httplib::Client>("127.0.0.1", port);
  }

  void TearDown() override {
    if (server_) server_->stop();
    if (thread_.joinable()) thread_.join();
    TempDirTest::TearDown();
  }

  httplib::Result upload(const std::string& log, const char* field = "log") {
    return client_->Post("/upload", httplib::MultipartFormDataItems{{field, log, "my.log", ""}});
  }

  httplib::Result organiser(const std::string& path, httplib::Params fields,
                            const std::string& key = kKey) {
    return client_->Post(path.c_str(), {{"X-Organiser-Key", key}}, fields);
  }

  // The receipt code an upload was sent on to.
  static std::string receiptOf(const httplib::Result& answer) {
    const std::string location = answer ? answer->get_header_value("Location") : "";
    return location.rfind("/receipt/", 0) == 0 ? location.substr(9) : std::string();
  }

  // The page the browser lands on after sending `log`.
  std::string receiptPageOf(const std::string& log, const char* field = "log") {
    httplib::Result answer = upload(log, field);
    EXPECT_TRUE(answer && answer->status == 303);
    httplib::Result page = client_->Get(("/receipt/" + receiptOf(answer)).c_str());
    return page && page->status == 200 ? page->body : std::string();
  }

  std::vector<Submission> stored() const { return LogStore("received", systemClock).submissions(); }

  UnixTime now_ = kDeadline - 3600;
  UploadRate rate_{1000, 1000};
  std::unique_ptr<RobotServer> server_;
  std::thread thread_;
  std::unique_ptr<httplib::Client> client_;
};

}  // namespace robot

#endif  // ZVK_TESTS_ROBOT_ROBOT_SERVER_FIXTURE_H_
