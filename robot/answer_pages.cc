#include "robot/answer_pages.h"

#include "import/utc_time.h"
#include "pages/page_frame.h"
#include "pages/page_sections.h"
#include "robot/front_pages.h"
#include "robot/receipt_text.h"

namespace robot {
namespace {

constexpr char kHomeLink[] = "/";
constexpr char kSendAgain[] = "Send a log";

// A table of notes: line number, the message, the line itself.
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

std::string receiptPage(const Submission& submission, const LogFacts& facts,
                        const std::string& mailNote) {
  pages::HtmlWriter html;
  pages::openPage(html, {kReceiptTitle, kReceiptAdvice, kHomeLink, kSendAgain});
  pages::writeDetails(html, receiptDetails(submission, facts, mailNote));
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
