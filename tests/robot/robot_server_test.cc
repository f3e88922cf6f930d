#include "robot/robot_server.h"

#include <gtest/gtest.h>
#include <httplib.h>

#include <filesystem>
#include <regex>
#include <thread>

#include "robot/store_check.h"
#include "tests/support/temp_dir.h"

namespace robot {
namespace {

using testing_support::readFile;
using testing_support::writeFile;

constexpr char kKey[] = "organiser secret";
constexpr UnixTime kDeadline = 1764547200;  // 2025-12-01 00:00:00 UTC
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
    settings.deadline = kDeadline;
    settings.organiserKey = std::move(key);
    settings.sizeLimit = sizeLimit;
    settings.threads = 2;
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

  static std::string receiptOf(const std::string& page) {
    std::smatch match;
    std::regex_search(page, match, std::regex("<dt>Receipt</dt><dd>([^<]+)</dd>"));
    return match.size() > 1 ? match[1].str() : std::string();
  }

  UnixTime now_ = kDeadline - 3600;
  std::unique_ptr<RobotServer> server_;
  std::thread thread_;
  std::unique_ptr<httplib::Client> client_;
};

TEST_F(RobotServerTest, HomePageShowsTheContestAndTheFormForAFileOrText) {
  start();
  httplib::Result page = client_->Get("/");
  ASSERT_TRUE(page);
  EXPECT_EQ(page->status, 200);
  for (const char* part :
       {"<dt>Contest</dt><dd>ZVK-CW-CONTEST</dd>",
        "<dt>Period</dt><dd>2025-11-29 12:00:00 UTC to 2025-11-29 17:59:00 UTC</dd>",
        "<dt>Deadline</dt><dd>2025-12-01 00:00:00 UTC</dd>",
        "<form method=\"post\" action=\"/review\" enctype=\"multipart/form-data\">",
        "<input type=\"file\" id=\"log\" name=\"log\" />", "<textarea id=\"text\" name=\"text\""}) {
    EXPECT_NE(page->body.find(part), std::string::npos) << part;
  }
}

TEST_F(RobotServerTest, FileOrPastedTextGetsAReceiptAndTheLaterIsCurrent) {
  start();
  httplib::Result file = upload(kLog);
  ASSERT_TRUE(file);
  EXPECT_EQ(file->status, 200);
  for (const char* part :
       {"<dt>Received</dt><dd>2025-11-30 23:00:00 UTC</dd>", "<dt>Call</dt><dd>Q1ZVK</dd>",
        "<dt>Category</dt><dd>SINGLE-OP</dd>", "<dt>Claimed score by the rules</dt><dd>6</dd>",
        "<dt>CLAIMED-SCORE in the log</dt><dd>6</dd>", "<td>80m</td><td class=\"n\">1</td>",
        "<td>20m</td><td class=\"n\">1</td>", "Warnings (0)"}) {
    EXPECT_NE(file->body.find(part), std::string::npos) << part;
  }
  ++now_;
  const std::string pasted = std::string(kLog) + "\r\n";
  ASSERT_TRUE(upload(pasted, "text"));
  EXPECT_EQ(readFile("received/Q1ZVK.log"), pasted);
  EXPECT_EQ(readFile("received/.history/" + receiptOf(file->body) + ".log"), kLog);
  httplib::Result received = client_->Get("/received");
  ASSERT_TRUE(received);
  EXPECT_NE(received->body.find("<tr><td>Q1ZVK</td><td>SINGLE-OP</td><td class=\"n\">2</td>"
                                "<td>2025-11-30 23:00:01 UTC</td></tr>"),
            std::string::npos);
}

// Choose a file, see its problems and the category choices, correct the
// header, send: the log kept carries the corrections, the one sent stays in
// the history beside it, and the store still agrees with itself.
TEST_F(RobotServerTest, ReviewShowsProblemsAndChoicesAndKeepsTheCorrectedHeader) {
  start();
  std::string sent = kLog;
  sent.replace(sent.find("SINGLE-OP"), 9, "SINGLE-OP <b>x</b>");
  httplib::Result review =
      client_->Post("/review", httplib::MultipartFormDataItems{{"log", sent, "my.log", ""}});
  ASSERT_TRUE(review);
  EXPECT_EQ(review->status, 200);
  for (const char* part :
       {"<td>CATEGORY-OPERATOR: &quot;SINGLE-OP &lt;b&gt;x&lt;/b&gt;&quot; is not one of "
        "SINGLE-OP, MULTI-OP, MULTI-ONE, CHECKLOG</td>",
        "<select id=\"CATEGORY-OPERATOR\" name=\"CATEGORY-OPERATOR\"><option value=\"\">(none)"
        "</option><option value=\"SINGLE-OP\">SINGLE-OP</option>",
        "<option value=\"LOW\">LOW</option>",
        "<input type=\"text\" id=\"CALLSIGN\" name=\"CALLSIGN\" value=\"Q1ZVK\" />"}) {
    EXPECT_NE(review->body.find(part), std::string::npos) << part;
  }
  std::smatch token;
  ASSERT_TRUE(std::regex_search(review->body, token,
                                std::regex("name=\"token\" value=\"([0-9a-f]{32})\"")));
  httplib::Result receipt = client_->Post(
      "/upload", httplib::MultipartFormDataItems{{"token", token[1].str(), "", ""},
                                                 {"CALLSIGN", "Q1ZVK", "", ""},
                                                 {"CATEGORY-OPERATOR", "SINGLE-OP", "", ""},
                                                 {"CLUB", "Q Club", "", ""}});
  ASSERT_TRUE(receipt);
  EXPECT_EQ(receipt->status, 200);
  const std::string kept =
      "START-OF-LOG: 3.0\r\nCALLSIGN: Q1ZVK\r\nCATEGORY-OPERATOR: SINGLE-OP\r\nCLUB: Q Club\r\n" +
      std::string(kLog).substr(std::string(kLog).find("CLAIMED-SCORE"));
  const std::string history = "received/.history/" + receiptOf(receipt->body);
  EXPECT_EQ(readFile("received/Q1ZVK.log"), kept);
  EXPECT_EQ(readFile(history + ".log"), kept);
  EXPECT_EQ(readFile(history + ".sent.log"), sent);
  LogStore store("received", [] { return UnixTime(0); });
  EXPECT_EQ(findDifferences(store.layout(), store.submissions()), std::vector<std::string>());
  now_ += PendingLogs::kLifeSeconds;
  httplib::Result late =
      client_->Post("/upload", httplib::MultipartFormDataItems{{"token", token[1].str(), "", ""}});
  ASSERT_TRUE(late);
  EXPECT_EQ(late->status, 410);
}

struct Refusal {
  const char* name;
  std::size_t sizeLimit;
  UnixTime now;
  std::string log;
  int status;
  std::string shown;
  bool kept;  // as a refused row
};

void PrintTo(const Refusal& value, std::ostream* out) { *out << value.name; }

class RefusalTest : public RobotServerTest, public ::testing::WithParamInterface<Refusal> {};

TEST_P(RefusalTest, AnswersWithThePageAndKeepsNoLog) {
  now_ = GetParam().now;
  start(GetParam().sizeLimit);
  httplib::Result answer = upload(GetParam().log);
  ASSERT_TRUE(answer);
  EXPECT_EQ(answer->status, GetParam().status);
  EXPECT_NE(answer->body.find(GetParam().shown), std::string::npos) << answer->body;
  EXPECT_EQ(readFile("received/Q1ZVK.log"), "");
  httplib::Result rows = organiser("/organiser", {});
  EXPECT_EQ(rows->body.find("refused: ") != std::string::npos, GetParam().kept);
}

INSTANTIATE_TEST_SUITE_P(
    Uploads, RefusalTest,
    ::testing::Values(
        Refusal{"Unreadable", kDefaultSizeLimit, kDeadline - 1,
                "QSO: 14x22 CW 2025-11-29 1303 Q1ZVK 599 417 Q4WZ 599 902\nQSO: 14022 CW\n", 422,
                "<tr><td class=\"n\">1</td><td>frequency: &quot;14x22&quot; is not a frequency in "
                "kHz</td><td><code>QSO: 14x22 CW 2025-11-29 1303 Q1ZVK 599 417 Q4WZ 599 902</code>"
                "</td></tr><tr><td class=\"n\">2</td>",
                true},
        Refusal{"AfterTheDeadline", kDefaultSizeLimit, kDeadline + 1, kLog, 403,
                "The deadline for logs was 2025-12-01 00:00:00 UTC", true},
        Refusal{"LargerThanTheLimit", 100, kDeadline - 1, kLog, 413, "larger than 0 KiB", true},
        Refusal{"FarLargerThanTheLimit", 1024, kDeadline - 1, std::string(200 * 1024, 'x'), 413,
                "larger than 1 KiB", false}),
    [](const ::testing::TestParamInfo<Refusal>& info) { return info.param.name; });

TEST_F(RobotServerTest, UrlEncodedFormIsReadButLargeOnesAreToldToSendMultipart) {
  start();
  httplib::Result small = client_->Post("/upload", httplib::Params{{"text", kLog}});
  ASSERT_TRUE(small);
  EXPECT_EQ(small->status, 200);
  httplib::Result large =
      client_->Post("/upload", httplib::Params{{"text", std::string(9000, ' ') + kLog}});
  ASSERT_TRUE(large);
  EXPECT_EQ(large->status, 413);
  EXPECT_NE(large->body.find("send it as multipart/form-data"), std::string::npos);
}

TEST_F(RobotServerTest, TextFromALogIsEscapedOnEveryPage) {
  start();
  std::string log = kLog;
  log.replace(log.find("SINGLE-OP"), 9, "<script>x</script>");
  ASSERT_TRUE(upload(log));
  ASSERT_TRUE(upload("QSO: 14022 CW 2025-11-29 1303 <b>Q1ZVK 599 417 Q4WZ 599 902 <i>\nQSO: x\n"));
  std::vector<std::string> pages;
  pages.push_back(upload(log)->body);
  pages.push_back(client_->Get("/received")->body);
  pages.push_back(organiser("/organiser", {})->body);
  pages.push_back(upload("<b>QSO: 1 CW\n")->body);
  pages.push_back(
      client_->Post("/review", httplib::MultipartFormDataItems{{"log", log, "my.log", ""}})->body);
  for (const std::string& page : pages) {
    EXPECT_NE(page.find("</html>"), std::string::npos);
    EXPECT_EQ(page.find("<script>"), std::string::npos);
    EXPECT_EQ(page.find("<b>"), std::string::npos);
  }
}

TEST_F(RobotServerTest, OrganiserPagesOpenOnlyWithTheKey) {
  start();
  EXPECT_EQ(client_->Get("/organiser")->status, 200);  // asks for the key
  EXPECT_NE(client_->Get("/organiser")->body.find("type=\"password\""), std::string::npos);
  EXPECT_EQ(organiser("/organiser", {}, "organiser secreT")->status, 403);
  EXPECT_EQ(organiser("/organiser", {}, "")->status, 403);
  EXPECT_EQ(client_->Post("/organiser", httplib::Params{{"key", kKey}})->status, 200);
  EXPECT_EQ(organiser("/organiser", {})->status, 200);
  EXPECT_EQ(organiser("/organiser/crosscheck", {}, "wrong")->status, 403);
  EXPECT_EQ(organiser("/organiser/download", {{"receipt", "x"}}, "wrong")->status, 403);
}

// What the start-up check found is shown to the organiser, as it is not fixed by itself.
TEST_F(RobotServerTest, OrganiserPageShowsWhatTheStartUpCheckFound) {
  std::filesystem::create_directory("received");
  writeFile("received/Q3CC.log", "nobody sent this\n");
  start();
  httplib::Result page = organiser("/organiser", {});
  ASSERT_TRUE(page);
  EXPECT_NE(page->body.find("<li>received/Q3CC.log: a log no receipt names</li>"),
            std::string::npos)
      << page->body;
}

TEST_F(RobotServerTest, WithoutAKeyFileTheOrganiserPagesAreOff) {
  start(kDefaultSizeLimit, "");
  EXPECT_EQ(client_->Get("/organiser")->status, 404);
  EXPECT_EQ(organiser("/organiser", {}, "")->status, 404);
  EXPECT_EQ(client_->Get("/results/")->status, 404);
}

TEST_F(RobotServerTest, DownloadGivesEachVersionAsSent) {
  start();
  const std::string first = receiptOf(upload(kLog)->body);
  const std::string second = receiptOf(upload(std::string(kLog) + "\n")->body);
  EXPECT_EQ(organiser("/organiser/download", {{"receipt", first}})->body, kLog);
  EXPECT_EQ(organiser("/organiser/download", {{"receipt", second}})->body,
            std::string(kLog) + "\n");
  EXPECT_EQ(organiser("/organiser/download", {{"receipt", "../Q1ZVK"}})->status, 404);
}

TEST_F(RobotServerTest, CrosscheckButtonPublishesTheResultsBesideTheLogs) {
  start();
  ASSERT_TRUE(upload(kLog));
  httplib::Result run = organiser("/organiser/crosscheck", {});
  ASSERT_TRUE(run);
  EXPECT_EQ(run->status, 200);
  EXPECT_NE(run->body.find("1 logs checked (0 unreadable, 0 duplicate calls), 2 QSO lines:"),
            std::string::npos);
  httplib::Result index = client_->Get("/results/");
  ASSERT_TRUE(index);
  EXPECT_EQ(index->body, readFile("results/index.html"));
  EXPECT_NE(index->body.find("Q1ZVK"), std::string::npos);
  EXPECT_EQ(client_->Post("/results/index.html", "", "text/plain")->status, 404);
}

}  // namespace
}  // namespace robot
