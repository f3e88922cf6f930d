#include "robot/answer_pages.h"

#include "import/utc_time.h"
#include "pages/page_frame.h"
#include "pages/page_sections.h"
#include "robot/front_pages.h"

namespace robot {
namespace {

constexpr char kHomeLink[] = "/";
constexpr char kSendAgain[] = "Send a log";
constexpr char kWholeLog[] = "whole log";

std::string claimedText(const std::optional<std::int64_t>& claimed) {
  return claimed ? std::to_string(*claimed) : std::string("none given");
}

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

}  // namespace

void writeNotes(pages::HtmlWriter& html, const std::vector<LineNote>& notes, const char* kind) {
  html.open("div", {{"class", "wide"}}).open("table", {{"class", kind}});
  pages::writeHeadings(html, {{"Line"}, {"Problem", false}, {"The line", false}});
  html.open("tbody");
  for (const LineNote& note : notes) {
    html.open("tr");
    html.element("td", note.line > 0 ? std::to_string(note.line) : kWholeLog, {{"class", "n"}});
    html.element("td", note.message);
    html.open("td").element("code", note.text).close();
    html.close();
  }
  html.close().close().close();
}

std::string receiptPage(const Submission& submission, const LogFacts& facts) {
  pages::HtmlWriter html;
  pages::openPage(html, {"Log received", "Keep the receipt code.", kHomeLink, kSendAgain});
  pages::writeDetails(html, {{"Receipt", submission.receipt},
                             {"Received", imports::formatUtc(submission.received)},
                             {"Call", facts.call},
                             {"Category", facts.category.empty() ? "none given" : facts.category},
                             {"QSOs", std::to_string(facts.qsos)},
                             {"Claimed score by the rules", std::to_string(facts.claimedByRules)},
                             {"CLAIMED-SCORE in the log", claimedText(facts.claimedScore)}});
  pages::openSection(html, "bands", "QSOs per band");
  writeBands(html, facts);
  html.close();
  pages::openSection(html, "warnings", "Warnings (" + std::to_string(facts.warnings.size()) + ")");
  if (facts.warnings.empty()) {
    html.element("p", "None: every QSO counts by the contest's rules.");
  } else {
    writeNotes(html, facts.warnings, "warnings");
  }
  html.close();
  return pages::closePage(html);
}

std::string refusalPage(const std::vector<LineNote>& problems) {
  pages::HtmlWriter html;
  pages::openPage(html, {"Log not accepted",
                         "Nothing was kept. Correct the lines below and send the log again.",
                         kHomeLink, kSendAgain});
  pages::openSection(html, "problems", "Problems (" + std::to_string(problems.size()) + ")");
  writeNotes(html, problems, "problems");
  html.close();
  return pages::closePage(html);
}

std::string deadlinePage(UnixTime deadline) {
  return messagePage("Log not accepted", "The deadline for logs was " +
                                             imports::formatUtc(deadline) + "; nothing was kept.");
}

std::string tooLargePage(std::size_t sizeLimit) {
  return messagePage("Log not accepted", "The log is larger than " +
                                             std::to_string(sizeLimit / 1024) +
                                             " KiB, the most this robot takes; nothing was kept.");
}

}  // namespace robot
