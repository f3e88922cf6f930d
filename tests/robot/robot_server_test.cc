#include "robot/robot_server.h"

#include <gtest/gtest.h>
#include <httplib.h>

#include <filesystem>

#include "tests/robot/robot_server_fixture.h"

namespace robot {
namespace {

TEST_F(RobotServerTest, HomePageShowsTheContestAndTheFormForAFileOrText) {
  start();
  httplib::Result page = client_->Get("/");
  ASSERT_TRUE(page);
  EXPECT_EQ(page->status, 200);
  for (const char* part :
       {"<dt>Contest</dt><dd>ZVK-CW-CONTEST</dd>",
        "<dt>Period</dt><dd>2025-11-29 12:00:00 UTC to 2025-11-29 17:59:00 UTC</dd>",
        "<dt>Uploads open</dt><dd>2025-11-24 00:00:00 UTC</dd>",
        "<dt>Deadline</dt><dd>2025-12-01 00:00:00 UTC</dd>",
        "<form method=\"post\" action=\"/review\" enctype=\"multipart/form-data\">",
        "<input type=\"file\" id=\"log\" name=\"log\" />", "<textarea id=\"text\" name=\"text\""}) {
    EXPECT_NE(page->body.find(part), std::string::npos) << part;
  }
}

// The form only from the first second logs are taken in to the last;
// before and after, when they are taken.
TEST_F(RobotServerTest, FrontPageOffersTheFormOnlyWhileLogsAreTaken) {
  const std::string form =
      "<form method=\"post\" action=\"/review\" enctype=\"multipart/form-data\"><p><label "
      "for=\"log\">Cabrillo or ADIF file: </label><input type=\"file\" id=\"log\" name=\"log\" "
      "/></p><p><label for=\"text\">or paste the log here:</label></p><textarea id=\"text\" "
      "name=\"text\" rows=\"12\" cols=\"80\"></textarea><p>At most 5120 KiB.</p><p><button "
      "type=\"submit\">Check the log</button></p></form>";
  const std::string notYet = "<p>Logs are taken from 2025-11-24 00:00:00 UTC on.</p>";
  const std::string closed =
      "<p>The deadline for logs was 2025-12-01 00:00:00 UTC; no more logs are taken.</p>";
  const std::pair<UnixTime, std::string> cases[] = {
      {kOpens - 1, notYet}, {kOpens, form}, {kDeadline, form}, {kDeadline + 1, closed}};
  start();
  for (const auto& [now, shown] : cases) {
    now_ = now;
    const std::string page = client_->Get("/")->body;
    const std::size_t from = page.find("<section id=\"upload\">");
    ASSERT_NE(from, std::string::npos) << now;
    EXPECT_EQ(page.substr(from, page.find("</section>", from) + 10 - from),
              "<section id=\"upload\"><h2>Send your log</h2>" + shown + "</section>")
        << now;
  }
}

// The upload sends the browser on to the receipt's own page, which names the
// contest and stays there: reloading it sends nothing again. A code of no
// accepted log is as a page that is not there.
TEST_F(RobotServerTest, UploadLeadsToTheReceiptsPageWhichReloadsWithoutSendingAgain) {
  start();
  httplib::Result sent = upload(kLog);
  ASSERT_TRUE(sent);
  EXPECT_EQ(sent->status, 303);
  const std::string code = receiptOf(sent);
  EXPECT_TRUE(std::regex_match(code, std::regex("20251130-230000-[0-9A-F]{16}"))) << code;
  const std::string page = client_->Get(("/receipt/" + code).c_str())->body;
  EXPECT_NE(page.find("<dt>Contest</dt><dd>ZVK-CW-CONTEST</dd><dt>Receipt</dt><dd>" + code),
            std::string::npos);
  EXPECT_EQ(client_->Get(("/receipt/" + code).c_str())->body, page);
  EXPECT_EQ(stored().size(), 1u);
  upload("not a log");
  const std::string refused = stored().back().receipt;
  const std::string notFound = client_->Get("/no-such-page")->body;
  for (const std::string& other :
       {refused, code.substr(0, code.size() - 1) + (code.back() == '0' ? "1" : "0"),
        std::string("x")}) {
    httplib::Result answer = client_->Get(("/receipt/" + other).c_str());
    EXPECT_EQ(answer->status, 404) << other;
    EXPECT_EQ(answer->body, notFound) << other;
  }
}

// The footer's word on numbers only where the page shows some.
TEST_F(RobotServerTest, OnlyPagesWithNumbersSayTheyAreAlsoGivenAsText) {
  start();
  const std::string claim = "Every number on this page is also given as text.";
  const std::pair<std::string, bool> pages[] = {{client_->Get("/")->body, false},
                                                {client_->Get("/no-such-page")->body, false},
                                                {client_->Get("/organiser")->body, false},
                                                {receiptPageOf(kLog), true},
                                                {client_->Get("/received")->body, true}};
  for (const auto& [page, hasNumbers] : pages) {
    EXPECT_EQ(page.find(claim) != std::string::npos, hasNumbers) << page;
  }
}

// No file, an empty file or blank text: the form again, with what to do, and nothing kept.
TEST_F(RobotServerTest, EmptySubmitShowsTheFormAgainAndKeepsNothing) {
  start();
  const std::vector<httplib::MultipartFormDataItems> forms = {
      {{"log", "", "", ""}, {"text", "", "", ""}},
      {{"log", "", "empty.log", ""}},
      {{"text", " \r\n\t\n", "", ""}}};
  for (const httplib::MultipartFormDataItems& form : forms) {
    httplib::Result answer = client_->Post("/upload", form);
    ASSERT_TRUE(answer);
    EXPECT_EQ(answer->status, 400);
    EXPECT_NE(answer->body.find("<h2>Send your log</h2><p><strong>No log was sent: choose the "
                                "file, or paste the log, then send.</strong></p><form"),
              std::string::npos)
        << answer->body;
  }
  EXPECT_EQ(stored().size(), 0u);
}

TEST_F(RobotServerTest, FileOrPastedTextGetsAReceiptAndTheLaterIsCurrent) {
  start();
  httplib::Result file = upload(kLog);
  const std::string page = client_->Get(("/receipt/" + receiptOf(file)).c_str())->body;
  for (const char* part :
       {"<dt>Contest</dt><dd>ZVK-CW-CONTEST</dd>",
        "<dt>Received</dt><dd>2025-11-30 23:00:00 UTC</dd>", "<dt>Call</dt><dd>Q1ZVK</dd>",
        "<dt>Category</dt><dd>SINGLE-OP</dd>", "<dt>Claimed score by the rules</dt><dd>6</dd>",
        "<dt>CLAIMED-SCORE in the log</dt><dd>6</dd>", "<td>80m</td><td class=\"n\">1</td>",
        "<td>20m</td><td class=\"n\">1</td>", "Warnings (0)"}) {
    EXPECT_NE(page.find(part), std::string::npos) << part;
  }
  ++now_;
  const std::string pasted = std::string(kLog) + "\r\n";
  ASSERT_TRUE(upload(pasted, "text"));
  EXPECT_EQ(readFile("received/Q1ZVK.log"), pasted);
  EXPECT_EQ(readFile("received/.history/" + receiptOf(file) + ".log"), kLog);
  httplib::Result received = client_->Get("/received");
  ASSERT_TRUE(received);
  EXPECT_NE(received->body.find("<tr><td>Q1ZVK</td><td>SINGLE-OP</td><td class=\"n\">2</td>"
                                "<td>2025-11-30 23:00:01 UTC</td></tr>"),
            std::string::npos);
}

// The same bytes again are sent on to their first receipt, which says so,
// and kept once.
TEST_F(RobotServerTest, LogSentAgainGetsItsFirstReceiptAndIsNotStoredAgain) {
  start();
  const std::string first = receiptOf(upload(kLog));
  ++now_;
  httplib::Result again = upload(kLog);
  ASSERT_TRUE(again);
  EXPECT_EQ(again->status, 303);
  EXPECT_EQ(again->get_header_value("Location"), "/receipt/" + first + "?sent=before");
  const std::string page = client_->Get(again->get_header_value("Location").c_str())->body;
  EXPECT_NE(page.find("received before, byte for byte"), std::string::npos);
  EXPECT_NE(page.find("<dt>Receipt</dt><dd>" + first), std::string::npos);
  EXPECT_EQ(LogStore("received", systemClock).submissions().size(), 1u);
  EXPECT_NE(receiptOf(upload(std::string(kLog) + "\n")), first);
}

TEST_F(RobotServerTest, UploadsBeyondTheRateAreAnswered429UntilTheBucketFills) {
  rate_ = {2, 6};
  start();
  std::vector<int> statuses;
  for (int n = 0; n < 3; ++n) statuses.push_back(upload(kLog + std::string(n, '\n'))->status);
  httplib::Result refused = upload(kLog);
  ASSERT_TRUE(refused);
  EXPECT_EQ(refused->get_header_value("Retry-After"), "10");
  EXPECT_NE(refused->body.find("send the log again in 10 s"), std::string::npos);
  now_ += 10;
  statuses.push_back(upload(std::string(kLog) + "\n\n\n")->status);
  EXPECT_EQ(statuses, (std::vector<int>{303, 303, 429, 303}));
  EXPECT_EQ(LogStore("received", systemClock).submissions().size(), 3u);
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
  EXPECT_EQ(receipt->status, 303);
  const std::string kept =
      "START-OF-LOG: 3.0\r\nCALLSIGN: Q1ZVK\r\nCATEGORY-OPERATOR: SINGLE-OP\r\nCLUB: Q Club\r\n" +
      std::string(kLog).substr(std::string(kLog).find("CLAIMED-SCORE"));
  const std::string history = "received/.history/" + receiptOf(receipt);
  EXPECT_EQ(readFile("received/Q1ZVK.log"), kept);
  EXPECT_EQ(readFile(history + ".log"), kept);
  EXPECT_EQ(readFile(history + ".sent.log"), sent);
  LogStore store("received", [] { return UnixTime(0); });
  EXPECT_EQ(store.differences(CheckDepth::kDigests), std::vector<std::string>());
  now_ += PendingLogs::kLifeSeconds;
  httplib::Result late =
      client_->Post("/upload", httplib::MultipartFormDataItems{{"token", token[1].str(), "", ""}});
  ASSERT_TRUE(late);
  EXPECT_EQ(late->status, 410);
}

TEST_F(RobotServerTest, UrlEncodedFormIsReadButLargeOnesAreToldToSendMultipart) {
  start();
  httplib::Result small = client_->Post("/upload", httplib::Params{{"text", kLog}});
  ASSERT_TRUE(small);
  EXPECT_EQ(small->status, 303);
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
  ASSERT_TRUE(upload("QSO: 14022 CW 2025-11-29 1303 <b>Q1ZVK 599 417 Q4WZ 599 902 <i>\nQSO: x\n"));
  std::vector<std::string> pages;
  pages.push_back(upload(log)->body);  // refused for its category, which it shows
  pages.push_back(receiptPageOf(kLog));
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
  EXPECT_EQ(client_->Post("/organiser/login", httplib::Params{{"key", kKey}})->status, 303);
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
  const std::string first = receiptOf(upload(kLog));
  const std::string second = receiptOf(upload(std::string(kLog) + "\n"));
  EXPECT_EQ(organiser("/organiser/download", {{"receipt", first}})->body, kLog);
  EXPECT_EQ(organiser("/organiser/download", {{"receipt", second}})->body,
            std::string(kLog) + "\n");
  EXPECT_EQ(organiser("/organiser/download", {{"receipt", "../Q1ZVK"}})->status, 404);
}

// The run makes a preview that only the organiser sees; publishing ahead of
// the deadline asks first, then puts the preview in place whole.
TEST_F(RobotServerTest, CrosscheckButtonPublishesTheResultsBesideTheLogs) {
  start();
  ASSERT_TRUE(upload(kLog));
  httplib::Result run = organiser("/organiser/crosscheck", {});
  ASSERT_TRUE(run);
  EXPECT_EQ(run->status, 200);
  EXPECT_NE(run->body.find("1 logs checked (0 unreadable, 0 duplicate calls), 2 QSO lines:"),
            std::string::npos);
  const std::string preview = readFile(".results-preview/index.html");
  EXPECT_NE(preview.find("Q1ZVK"), std::string::npos);
  EXPECT_EQ(client_->Get("/organiser/preview/", {{"X-Organiser-Key", "wrong"}})->status, 403);
  EXPECT_EQ(client_->Get("/organiser/preview/")->status, 403);
  EXPECT_EQ(client_->Get("/results/")->status, 404);
  httplib::Result shown = client_->Get("/organiser/preview/", {{"X-Organiser-Key", kKey}});
  EXPECT_EQ(shown->body, preview);
  EXPECT_EQ(shown->get_header_value("Content-Type"), "text/html; charset=utf-8");

  httplib::Result asked = organiser("/organiser/publish", {});
  EXPECT_NE(asked->body.find("Logs are taken until 2025-12-01 00:00:00 UTC"), std::string::npos);
  EXPECT_EQ(client_->Get("/results/")->status, 404);
  EXPECT_EQ(organiser("/organiser/publish", {{"confirm", "yes"}})->status, 200);
  httplib::Result index = client_->Get("/results/");
  ASSERT_TRUE(index);
  EXPECT_EQ(index->body, preview);
  EXPECT_EQ(readFile("results/index.html"), preview);
  EXPECT_EQ(organiser("/organiser/publish", {{"confirm", "yes"}})->status, 409);  // used up
  EXPECT_EQ(client_->Post("/results/index.html", "", "text/plain")->status, 404);

  ASSERT_TRUE(organiser("/organiser/crosscheck", {}));
  now_ = kDeadline;
  EXPECT_NE(organiser("/organiser/publish", {})->body.find("<h1>Results published</h1>"),
            std::string::npos);
}

// Every call the robot takes reaches the cross-check under a file of its own;
// one that is no call is refused at upload, not lost later.
TEST_F(RobotServerTest, EveryLogOnTheReceivedPageIsCheckedAndAwkwardCallsAreRefused) {
  start();
  auto logOf = [](const std::string& call) {
    return "START-OF-LOG: 3.0\nCALLSIGN: " + call +
           "\nQSO: 14022 CW 2025-11-29 1303 Q1ZVK 599 417 Q4WZ 599 902\nEND-OF-LOG:\n";
  };
  const std::pair<const char*, int> uploads[] = {{"Q1ZVK", 303},   {"Q1AB/P", 303},
                                                 {"Q1AB_P", 422},  {"DL/Q3ABC", 303},
                                                 {"q2cd/mm", 303}, {"../../etc/passwd", 422},
                                                 {".Q1AB", 422},   {"Q5EF/4", 303},
                                                 {"Q1AB/P", 303},  {"Q1 AB", 422}};
  for (const auto& [call, status] : uploads) {
    httplib::Result answer = upload(logOf(call));
    ASSERT_TRUE(answer);
    EXPECT_EQ(answer->status, status) << call;
  }
  std::smatch received;
  const std::string page = client_->Get("/received")->body;
  ASSERT_TRUE(std::regex_search(page, received, std::regex("(\\d+) logs received")));
  const std::string run = organiser("/organiser/crosscheck", {})->body;
  EXPECT_NE(run.find(received[1].str() + " logs checked (0 unreadable, 0 duplicate calls)"),
            std::string::npos)
      << run;
  EXPECT_EQ(received[1].str(), "5");
}

}  // namespace
}  // namespace robot
