#include "robot/organiser_pages.h"

#include "import/utc_time.h"
#include "pages/page_frame.h"
#include "pages/page_sections.h"
#include "robot/mail_pages.h"

namespace robot {
namespace {

constexpr char kTitle[] = "Organiser";

// A form posting the key (and the fields given) with one button: pages work
// without scripts, and the key never appears in an address.
void writeKeyedButton(pages::HtmlWriter& html, const char* action, const std::string& key,
                      const std::string& label, const std::string& receipt = "") {
  html.open("form", {{"method", "post"}, {"action", action}});
  html.empty("input", {{"type", "hidden"}, {"name", kKeyField}, {"value", key}});
  if (!receipt.empty()) {
    html.empty("input", {{"type", "hidden"}, {"name", kReceiptField}, {"value", receipt}});
  }
  html.element("button", label, {{"type", "submit"}}).close();
}

void writeSubmissionRow(pages::HtmlWriter& html, const Submission& s, const std::string& key) {
  html.open("tr").element("td", s.receipt).element("td", imports::formatUtc(s.received));
  html.element("td", s.call).element("td", s.accepted ? "accepted" : "refused: " + s.reason);
  pages::writeNumberCell(html, static_cast<long>(s.size));
  pages::writeNumberCell(html, s.qsos);
  pages::writeNumberCell(html, static_cast<long>(s.claimedByRules));
  html.element("td", s.claimedScore ? std::to_string(*s.claimedScore) : "", {{"class", "n"}});
  html.open("td").element("code", s.sha256).close().open("td");
  if (s.accepted) writeKeyedButton(html, kDownloadPath, key, "Download", s.receipt);
  html.close().close();
}

void writeSubmissions(pages::HtmlWriter& html, const std::vector<Submission>& submissions,
                      const std::string& key) {
  pages::openSection(html, "submissions",
                     "Submissions (" + std::to_string(submissions.size()) + ")");
  html.open("div", {{"class", "wide"}}).open("table", {{"class", "submissions"}});
  pages::writeHeadings(html, {{"Receipt", false},
                              {"Received", false},
                              {"Call", false},
                              {"Outcome", false},
                              {"Bytes"},
                              {"QSOs"},
                              {"Claimed by rules"},
                              {"CLAIMED-SCORE"},
                              {"SHA-256", false},
                              {"Version", false}});
  html.open("tbody");
  for (const Submission& submission : submissions) writeSubmissionRow(html, submission, key);
  html.close().close().close().close();
}

void writeList(pages::HtmlWriter& html, const std::vector<std::string>& items) {
  html.open("ul");
  for (const std::string& item : items) html.element("li", item);
  html.close();
}

}  // namespace

std::string keyPage(bool wrongKey) {
  pages::HtmlWriter html;
  pages::openPage(html, {kTitle, "", "/", "Send a log"});
  if (wrongKey) html.element("p", "That key is not the organiser key.", {{"class", "refused"}});
  html.open("form", {{"method", "post"}, {"action", kOrganiserPath}});
  html.open("p").element("label", "Organiser key: ", {{"for", kKeyField}});
  html.empty("input", {{"type", "password"}, {"id", kKeyField}, {"name", kKeyField}});
  html.element("button", "Open", {{"type", "submit"}}).close().close();
  return pages::closePage(html);
}

std::string submissionsPage(const std::vector<Submission>& submissions,
                            const std::vector<std::string>& differences,
                            const std::optional<std::vector<OutboxMail>>& mails,
                            const std::string& key) {
  pages::HtmlWriter html;
  pages::openPage(html, {kTitle, "Every submission, accepted or refused", "/", "Send a log"});
  if (!differences.empty()) {
    pages::openSection(html, "differences", "The store disagrees with itself");
    writeList(html, differences);
    html.close();
  }
  pages::openSection(html, "crosscheck", "Results");
  writeKeyedButton(html, kCrosscheckPath, key, "Cross-check the logs received and publish");
  html.open("p").element("a", "The results published", {{"href", kResultsPath}}).close();
  html.close();
  writeSubmissions(html, submissions, key);
  if (mails) writeMails(html, *mails);
  return pages::closePage(html);
}

std::string crosscheckPage(const std::string& summary, const std::vector<std::string>& unreadable) {
  pages::HtmlWriter html;
  pages::openPage(html, {"Cross-check done", "", kOrganiserPath, kTitle});
  html.element("p", summary);
  if (!unreadable.empty()) writeList(html, unreadable);
  html.open("p").element("a", "The results", {{"href", kResultsPath}}).close();
  return pages::closePage(html);
}

}  // namespace robot
