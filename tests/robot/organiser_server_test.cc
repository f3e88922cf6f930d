#include <gtest/gtest.h>
#include <httplib.h>

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "robot/submission_db.h"
#include "tests/robot/robot_server_fixture.h"

namespace robot {
namespace {

using testing_support::fileExists;

// The organiser's pages: how the key travels, the limit on wrong keys, the
// pages of submissions, the overrides and the preview.
class OrganiserServerTest : public RobotServerTest {
 protected:
  httplib::Result get(const std::string& path, httplib::Headers headers) {
    return client_->Get(path.c_str(), headers);
  }

  // The table row that holds `receipt`, whole.
  static std::string rowOf(const std::string& page, const std::string& receipt) {
    const std::size_t start = page.rfind("<tr>", page.find("<td>" + receipt + "</td>"));
    return page.substr(start, page.find("</tr>", start) + 5 - start);
  }

  static std::string pagingOf(const std::string& page) {
    const std::size_t start = page.find("<p class=\"paging\">");
    return page.substr(start, page.find("</p>", start) + 4 - start);
  }
};

const httplib::Headers kByKey = {{"X-Organiser-Key", kKey}};
using Request = std::function<httplib::Result()>;

TEST_F(OrganiserServerTest, KeyInTheAddressIsRefusedWhereverItIs) {
  start();
  for (const Request& request : std::vector<Request>{
           [&] { return client_->Get("/organiser?key=organiser%20secret"); },
           [&] {
             return client_->Post("/organiser/login?key=organiser%20secret", "", "text/plain");
           },
           [&] {
             return client_->Post("/organiser/download?receipt=x&key=wrong", kByKey,
                                  httplib::Params{});
           },
           [&] { return get("/organiser/preview/index.html?page=1&key=", kByKey); }}) {
    httplib::Result answer = request();
    ASSERT_TRUE(answer);
    EXPECT_EQ(answer->status, 400);
    EXPECT_NE(answer->body.find("The organiser key is never taken from an address"),
              std::string::npos);
    EXPECT_FALSE(answer->has_header("Set-Cookie"));
  }
}

TEST_F(OrganiserServerTest, EveryOrganiserAnswerIsKeptByNoOne) {
  start();
  for (const Request& request : std::vector<Request>{
           [&] { return client_->Get("/organiser"); }, [&] { return get("/organiser", kByKey); },
           [&] {
             return get("/organiser", {{"X-Organiser-Key", "wrong"}});
           },
           [&] { return get("/organiser?page=9", kByKey); },
           [&] { return get("/organiser/preview/", kByKey); },
           [&] { return get("/organiser/nothing", kByKey); },
           [&] {
             return client_->Post("/organiser/login", httplib::Params{{"key", kKey}});
           },
           [&] {
             return client_->Post("/organiser/download", kByKey, httplib::Params{{"receipt", "x"}});
           },
           [&] { return client_->Get("/organiser?key=x"); }}) {
    httplib::Result answer = request();
    ASSERT_TRUE(answer);
    EXPECT_EQ(answer->get_header_value("Cache-Control"), "no-store") << answer->status;
  }
  EXPECT_FALSE(client_->Get("/")->has_header("Cache-Control"));
}

TEST_F(OrganiserServerTest, LoginSetsAStrictSessionCookieThatLogoutEnds) {
  start();
  ASSERT_TRUE(upload(kLog));
  httplib::Result login = client_->Post("/organiser/login", httplib::Params{{"key", kKey}});
  ASSERT_TRUE(login);
  EXPECT_EQ(login->status, 303);
  EXPECT_EQ(login->get_header_value("Location"), "/organiser");
  const std::string cookie = login->get_header_value("Set-Cookie");
  EXPECT_TRUE(std::regex_match(cookie, std::regex("zvk-organiser=[0-9a-f]{64}; Path=/organiser; "
                                                  "Max-Age=43200; HttpOnly; SameSite=Strict")))
      << cookie;
  const httplib::Headers session = {{"Cookie", "a=b; " + cookie.substr(0, cookie.find(';'))}};
  httplib::Result page = get("/organiser", session);
  EXPECT_NE(page->body.find("<h2>Submissions (1)</h2>"), std::string::npos);
  EXPECT_EQ(page->body.find(kKey), std::string::npos);
  EXPECT_EQ(client_->Post("/organiser/logout", session, httplib::Params{})->status, 303);
  EXPECT_NE(get("/organiser", session)->body.find("type=\"password\""), std::string::npos);
  EXPECT_EQ(client_->Post("/organiser/crosscheck", session, httplib::Params{})->status, 403);
  const std::string later = client_->Post("/organiser/login", httplib::Params{{"key", kKey}})
                                ->get_header_value("Set-Cookie");
  const httplib::Headers working = {{"Cookie", later.substr(0, later.find(';'))}};
  EXPECT_EQ(get("/organiser", working)->status, 200);
  now_ += 12 * 3600;  // a working day later
  EXPECT_NE(get("/organiser", working)->body.find("type=\"password\""), std::string::npos);
}

// Five wrong keys from one address shut it out, the right key included;
// the right key from another address opens at once.
TEST_F(OrganiserServerTest, WrongKeysShutOutTheirAddressOnly) {
  start();
  const httplib::Headers guesser = {{"X-Forwarded-For", "192.0.2.1"}, {"X-Organiser-Key", "guess"}};
  for (int i = 0; i < 5; ++i) EXPECT_EQ(get("/organiser", guesser)->status, 403);
  httplib::Result locked = get("/organiser", guesser);
  EXPECT_EQ(locked->status, 429);
  EXPECT_EQ(locked->get_header_value("Retry-After"), "60");
  EXPECT_NE(locked->body.find("try again in 60 s"), std::string::npos);
  const httplib::Headers guesserWithKey = {{"X-Forwarded-For", "192.0.2.1"},
                                           {"X-Organiser-Key", kKey}};
  EXPECT_EQ(get("/organiser", guesserWithKey)->status, 429);
  EXPECT_EQ(client_
                ->Post("/organiser/login", {{"X-Forwarded-For", "192.0.2.1"}},
                       httplib::Params{{"key", kKey}})
                ->status,
            429);
  EXPECT_EQ(
      get("/organiser", {{"X-Forwarded-For", "192.0.2.2"}, {"X-Organiser-Key", kKey}})->status,
      200);
  now_ += 60;
  EXPECT_EQ(get("/organiser", guesserWithKey)->status, 200);
}

struct Paging {
  const char* name;
  const char* page;
  int status;
  std::string paging;      // the links and the count above the table
  std::string firstShown;  // the first receipt in the table
};

void PrintTo(const Paging& value, std::ostream* out) { *out << value.name; }

// 201 refusals in the order added, fed straight to the database.
class PagingTest : public OrganiserServerTest, public ::testing::WithParamInterface<Paging> {
 protected:
  void SetUp() override {
    OrganiserServerTest::SetUp();
    std::filesystem::create_directory("received");
    SubmissionDb db("received/.submissions.sqlite");
    for (int i = 1; i <= 201; ++i) {
      Submission row;
      row.receipt = "R" + std::to_string(1000 + i);
      row.reason = "no QSO";
      db.add(row);
    }
  }
};

TEST_P(PagingTest, PagesKeepTheOrderAddedAndStopAtTheEnds) {
  start();
  httplib::Result page = get(std::string("/organiser?page=") + GetParam().page, kByKey);
  ASSERT_TRUE(page);
  EXPECT_EQ(page->status, GetParam().status);
  if (GetParam().status != 200) return;
  EXPECT_EQ(pagingOf(page->body), GetParam().paging);
  const std::size_t first = page->body.find("<tbody><tr><td>") + 15;
  EXPECT_EQ(page->body.substr(first, 5), GetParam().firstShown);
}

INSTANTIATE_TEST_SUITE_P(
    Boundaries, PagingTest,
    ::testing::Values(
        Paging{"First", "1", 200,
               "<p class=\"paging\"><span>Page 1 of 3: 1 to 100 of 201</span>"
               "<a href=\"/organiser?page=2\">Next</a><a href=\"/organiser?page=3\">Last</a></p>",
               "R1001"},
        Paging{"Middle", "2", 200,
               "<p class=\"paging\"><a href=\"/organiser?page=1\">First</a>"
               "<a href=\"/organiser?page=1\">Previous</a><span>Page 2 of 3: 101 to 200 of "
               "201</span><a href=\"/organiser?page=3\">Next</a>"
               "<a href=\"/organiser?page=3\">Last</a></p>",
               "R1101"},
        Paging{"Last", "3", 200,
               "<p class=\"paging\"><a href=\"/organiser?page=1\">First</a>"
               "<a href=\"/organiser?page=2\">Previous</a><span>Page 3 of 3: 201 to 201 of "
               "201</span></p>",
               "R1201"},
        Paging{"PastTheLast", "4", 404, "", ""}, Paging{"Zero", "0", 404, "", ""},
        Paging{"Negative", "-1", 404, "", ""}, Paging{"NotANumber", "x", 404, "", ""}),
    [](const ::testing::TestParamInfo<Paging>& info) { return info.param.name; });

TEST_F(OrganiserServerTest, RowsShowTheCategoryAndMarkTheCurrentVersion) {
  start();
  const std::string first = receiptOf(upload(kLog));
  ++now_;
  const std::string second = receiptOf(upload(std::string(kLog) + "\n"));
  const std::string page = get("/organiser", kByKey)->body;
  const std::string download =
      "<td><form method=\"post\" action=\"/organiser/download\"><input type=\"hidden\" "
      "name=\"receipt\" value=\"";
  const std::string rest = "\" /><button type=\"submit\">Download</button></form></td>";
  EXPECT_EQ(rowOf(page, first),
            "<tr><td>" + first + "</td>" + download + first + rest +
                "<td></td><td>2025-11-30 23:00:00 UTC</td><td>Q1ZVK</td><td>SINGLE-OP</td>"
                "<td class=\"n\">212</td><td class=\"n\">2</td><td class=\"n\">6</td>"
                "<td class=\"n\">6</td><td><code "
                "title=\"a3793e6a4ccbed890222dc8fde2bdd342b32b361514ce33ddcb"
                "1a6146547e1c4\">a3793e6a4ccb</code></td><td>accepted</td></tr>");
  EXPECT_NE(rowOf(page, second).find("<td>current</td><td>2025-11-30 23:00:01 UTC</td>"),
            std::string::npos);
}

// The preview's own files, typed; nothing outside it, nothing hidden.
TEST_F(OrganiserServerTest, PreviewServesItsOwnFilesOnly) {
  start();
  ASSERT_TRUE(upload(kLog));
  ASSERT_EQ(client_->Post("/organiser/crosscheck", kByKey, httplib::Params{})->status, 200);
  const std::vector<std::pair<std::string, std::string>> served = {
      {"", "text/html; charset=utf-8"},
      {"results.json", "application/json"},
      {"results.csv", "text/csv; charset=utf-8"},
      {"reports/Q1ZVK.txt", "text/plain; charset=utf-8"}};
  for (const auto& file : served) {
    httplib::Result answer = get("/organiser/preview/" + file.first, kByKey);
    EXPECT_EQ(answer->status, 200) << file.first;
    EXPECT_EQ(answer->get_header_value("Content-Type"), file.second) << file.first;
    EXPECT_EQ(answer->body,
              readFile(".results-preview/" + (file.first.empty() ? "index.html" : file.first)));
  }
  for (const char* outside :
       {"../received/Q1ZVK.log", "..%2Freceived%2FQ1ZVK.log", "reports/../../received/Q1ZVK.log",
        "/etc/passwd", "reports", "reports/", ".hidden"}) {
    EXPECT_EQ(get(std::string("/organiser/preview/") + outside, kByKey)->status, 404) << outside;
  }
}

struct OverridesCase {
  const char* name;
  std::string text;
  int saved;         // the status of saving them
  int run;           // and of the cross-check after
  std::string told;  // in the answer that refuses them, or in the preview's report
};

void PrintTo(const OverridesCase& value, std::ostream* out) { *out << value.name; }

class OverridesTest : public OrganiserServerTest,
                      public ::testing::WithParamInterface<OverridesCase> {};

// Refused overrides change nothing: neither the overrides kept nor the preview.
TEST_P(OverridesTest, AreAppliedByTheRunOrRefusedWhole) {
  start();
  ASSERT_TRUE(upload(kLog));
  httplib::Result saved = client_->Post("/organiser/overrides", kByKey,
                                        httplib::Params{{"overrides", GetParam().text}});
  ASSERT_TRUE(saved);
  EXPECT_EQ(saved->status, GetParam().saved);
  EXPECT_EQ(readFile("overrides.txt"), saved->status == 303 ? GetParam().text : "");
  httplib::Result run = client_->Post("/organiser/crosscheck", kByKey, httplib::Params{});
  EXPECT_EQ(run->status, GetParam().run);
  const std::string shown = saved->status != 303 ? saved->body
                            : run->status != 200 ? run->body
                                                 : readFile(".results-preview/reports/Q1ZVK.txt");
  EXPECT_NE(shown.find(GetParam().told), std::string::npos) << shown;
  EXPECT_EQ(fileExists(".results-preview/index.html"), run->status == 200);
}

INSTANTIATE_TEST_SUITE_P(
    Overrides, OverridesTest,
    ::testing::Values(OverridesCase{"Applied", "# by hand\nQ1ZVK 5 not-in-log checked by hand\n",
                                    303, 200, "judged by the organisers: checked by hand"},
                      OverridesCase{"NoReason", "Q1ZVK 5 not-in-log checked\nQ1ZVK 6 ok\n", 422,
                                    200, "overrides.txt:2: reason: missing"},
                      OverridesCase{"NoSuchResult", "Q1ZVK 5 maybe why\n", 422, 200,
                                    "overrides.txt:1: RESULT: &quot;maybe&quot; is no result"},
                      OverridesCase{"NoSuchLog", "Q9XX 5 ok why\n", 303, 422,
                                    "overrides.txt:1: CALL: Q9XX sent no log"},
                      OverridesCase{"NoSuchLine", "Q1ZVK 5 ok why\nQ1ZVK 3 ok why\n", 303, 422,
                                    "overrides.txt:2: LINE: Q1ZVK.log holds no QSO on line 3"}),
    [](const ::testing::TestParamInfo<OverridesCase>& info) { return info.param.name; });

}  // namespace
}  // namespace robot
