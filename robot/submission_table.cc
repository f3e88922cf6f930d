#include "robot/submission_table.h"

#include <string>

#include "import/utc_time.h"
#include "pages/page_sections.h"
#include "robot/organiser_pages.h"

namespace robot {
namespace {

// Enough of the digest to tell versions apart at a glance; the whole in its title.
constexpr std::size_t kShortDigest = 12;

void writeRow(pages::HtmlWriter& html, const ListedSubmission& row) {
  const Submission& s = row.submission;
  html.open("tr").element("td", s.receipt).open("td");
  if (s.historyBytes) {
    html.open("form", {{"method", "post"}, {"action", kDownloadPath}});
    html.empty("input", {{"type", "hidden"}, {"name", kReceiptField}, {"value", s.receipt}});
    html.element("button", "Download", {{"type", "submit"}}).close();
  }
  html.close().element("td", row.current ? "current" : "");
  html.element("td", imports::formatUtc(s.received)).element("td", s.call);
  html.element("td", s.category);
  pages::writeNumberCell(html, static_cast<long>(s.size));
  pages::writeNumberCell(html, s.qsos);
  pages::writeNumberCell(html, static_cast<long>(s.claimedByRules));
  html.element("td", s.claimedScore ? std::to_string(*s.claimedScore) : "", {{"class", "n"}});
  html.open("td").element("code", s.sha256.substr(0, kShortDigest), {{"title", s.sha256}});
  html.close().element("td", s.accepted ? "accepted" : "refused: " + s.reason).close();
}

void writePageLink(pages::HtmlWriter& html, const char* label, std::int64_t to, bool shown) {
  if (!shown) return;
  html.element(
      "a", label,
      {{"href", std::string(kOrganiserPath) + "?" + kPageField + "=" + std::to_string(to)}});
}

void writePaging(pages::HtmlWriter& html, const SubmissionPage& page, std::int64_t number,
                 std::int64_t pages) {
  const std::int64_t first = (number - 1) * kSubmissionsPerPage;
  html.open("p", {{"class", "paging"}});
  writePageLink(html, "First", 1, number > 1);
  writePageLink(html, "Previous", number - 1, number > 1);
  html.element("span", "Page " + std::to_string(number) + " of " + std::to_string(pages) + ": " +
                           std::to_string(page.rows.empty() ? 0 : first + 1) + " to " +
                           std::to_string(first + page.rows.size()) + " of " +
                           std::to_string(page.total));
  writePageLink(html, "Next", number + 1, number < pages);
  writePageLink(html, "Last", pages, number < pages);
  html.close();
}

}  // namespace

void writeSubmissionTable(pages::HtmlWriter& html, const SubmissionPage& page, std::int64_t number,
                          std::int64_t pages) {
  pages::openSection(html, "submissions", "Submissions (" + std::to_string(page.total) + ")");
  writePaging(html, page, number, pages);
  html.open("div", {{"class", "wide"}}).open("table", {{"class", "submissions"}});
  pages::writeHeadings(html, {{"Receipt", false},
                              {"Version", false},
                              {"Current", false},
                              {"Received", false},
                              {"Call", false},
                              {"Category", false},
                              {"Bytes"},
                              {"QSOs"},
                              {"Claimed by rules"},
                              {"CLAIMED-SCORE"},
                              {"SHA-256", false},
                              {"Outcome", false}});
  html.open("tbody");
  for (const ListedSubmission& row : page.rows) writeRow(html, row);
  html.close().close().close();
  writePaging(html, page, number, pages);
  html.close();
}

}  // namespace robot
