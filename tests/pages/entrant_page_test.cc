// What a station says of itself in its log's header reaches its page,
// escaped: from the header through the cross-check's results.
#include "pages/entrant_page.h"

#include <gtest/gtest.h>

#include "crosscheck/crosscheck.h"
#include "tests/support/temp_dir.h"

namespace {

class EntrantPageTest : public testing_support::TempDirTest {
 protected:
  // The page of the one entrant of `log`, from its section "station" on to
  // the next section; empty when it has none.
  static std::string stationSection(const std::string& log) {
    testing_support::writeFile("q1zvk.log", log);
    crosscheck::Request request;
    request.files = {"q1zvk.log"};
    request.definition = crosscheck::zvkCwDefinition();
    const crosscheck::Results results = crosscheck::crosscheckContest(request);
    const std::string page = pages::entrantPage(results, 0, crosscheck::entrantReport(results, 0));
    const std::size_t start = page.find("<section id=\"station\">");
    if (start == std::string::npos) return std::string();
    return page.substr(start, page.find("<section", start + 1) - start);
  }
};

constexpr char kQso[] = "QSO: 3524 CW 2025-11-29 1200 Q1ZVK 599 417 Q8XB 599 NM\n";

TEST_F(EntrantPageTest, ClubAndSoapboxAreShownEscaped) {
  EXPECT_EQ(stationSection(std::string("START-OF-LOG: 3.0\nCALLSIGN: Q1ZVK\n"
                                       "CLUB: <b>Q Club</b> & \"friends\"\n"
                                       "SOAPBOX: <script>alert(1)</script>\nSOAPBOX:\n"
                                       "SOAPBOX: 73 'all'\n") +
                           kQso),
            "<section id=\"station\"><h2>The station</h2><dl class=\"station\">"
            "<dt>Club</dt><dd>&lt;b&gt;Q Club&lt;/b&gt; &amp; &quot;friends&quot;</dd>"
            "<dt>Soapbox</dt><dd>&lt;script&gt;alert(1)&lt;/script&gt;\n73 &#39;all&#39;</dd>"
            "</dl></section>");
  EXPECT_EQ(stationSection(std::string("START-OF-LOG: 3.0\nCALLSIGN: Q1ZVK\n") + kQso), "");
}

}  // namespace
