#include "robot/answer_pages.h"

#include <algorithm>

#include "import/utc_time.h"
#include "pages/page_frame.h"
#include "pages/page_sections.h"
#include "robot/front_pages.h"
#include "robot/receipt_text.h"

namespace robot {
namespace {

constexpr char kHomeLink[] = "/";
constexpr char kSendAgain[] = "Send a log";

void writeBands(pages::HtmlWriter& html, const LogFacts& facts) {
  html.open("table", {{"class", "bands"}});
  pages::writeHeadings(html, {{"Band", false}, {"QSOs"}});
  html.open("tbody");
  for (const BandCount& band : facts.bands) {
    html.open("tr").element("td", band.band);
    pages::writeNumberCell(html, band.qsos);
    html.close();
  }
  html.close().close();
}

void writeBandsAndWarnings(pages::HtmlWriter& html, const LogFacts& facts) {
  pages::openSection(html, "bands", kBandsHeading);
  writeBands(html, facts);
  html.close();
  pages::openSection(html, "warnings", warningsHeading(facts));
  if (facts.warnings.empty()) {
    html.element("p", kNoWarnings);
  } else {
    writeNotes(html, facts.warnings, "warnings");
  }
  html.close();
}

}  // namespace

// A table of notes: line number, the message, the line itself with its
// spacing, which a column-aligned log depends on.
void writeNotes(pages::HtmlWriter& html, const std::vector<LineNote>& notes, const char* kind) {
  html.open("div", {{"class", "wide"}}).open("table", {{"class", kind}});
  pages::writeHeadings(html, {{"Line"}, {"Problem", false}, {"The line", false}});
  html.open("tbody");
  for (const LineNote& note : notes) {
    html.open("tr");
    html.element("td", note.line > 0 ? std::to_string(note.line) : kWholeLog, {{"class", "n"}});
    html.element("td", note.message);
    html.open("td").element("pre", note.text, {{"class", "lines"}}).close();
    html.close();
  }
  html.close().close().close();
}

std::string receiptPath(const std::string& receipt, Receipt kind) {
  const std::string path = kReceiptPath + receipt;
  return kind == Receipt::kNew ? path : path + "?" + kSentParameter + "=" + kSentBefore;
}

std::string receiptPage(const std::string& contest, const Submission& submission,
                        const std::optional<LogFacts>& facts, Receipt receipt,
                        const std::string& mailNote) {
  const std::string stays = "; this page stays at " + receiptPath(submission.receipt) + ".";
  pages::HtmlWriter html;
  pages::openPage(html, {kReceiptTitle,
                         receipt == Receipt::kNew
                             ? "Keep the receipt code" + stays
                             : "This log was received before, byte for byte, under this receipt "
                               "code, and was not stored again" +
                                   stays,
                         kHomeLink, kSendAgain});
  pages::writeDetails(html, receiptDetails(contest, submission, facts, mailNote));
  if (facts) {
    writeBandsAndWarnings(html, *facts);
  } else {
    html.element("p",
                 "The bands and warnings cannot be shown: the log no longer reads under "
                 "the contest's rules as the robot has them now.");
  }
  return pages::closePage(html);
}

std::string refusalPage(const std::vector<LineNote>& problems) {
  pages::HtmlWriter html;
  pages::openPage(html, {"Log not accepted",
                         "The log was not entered. Correct the lines below and send it again.",
                         kHomeLink, kSendAgain});
  pages::openSection(html, "problems", "Problems (" + std::to_string(problems.size()) + ")");
  const std::size_t shown = std::min(problems.size(), kProblemsShown);
  writeNotes(html, {problems.begin(), problems.begin() + static_cast<std::ptrdiff_t>(shown)},
             "problems");
  if (shown < problems.size()) {
    html.element("p", "and " + std::to_string(problems.size() - shown) + " more");
  }
  html.close();
  return pages::closePage(html);
}

std::string tooLargePage(std::size_t sizeLimit) {
  return messagePage("Log not accepted",
                     "The log is larger than " + std::to_string(sizeLimit / 1024) +
                         " KiB, the most this robot takes; the log was not entered.");
}

std::string tooManyUploadsPage(long seconds) {
  return messagePage("Log not accepted",
                     "Too many uploads came from your address; send the log again in " +
                         std::to_string(seconds) + " s. Nothing was read.");
}

}  // namespace robot
