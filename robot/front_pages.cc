#include "robot/front_pages.h"

#include "import/utc_time.h"
#include "pages/page_frame.h"
#include "pages/page_sections.h"
#include "robot/review_page.h"
#include "robot/upload_window.h"

namespace robot {
namespace {

constexpr char kHomeLink[] = "/";
constexpr char kHomeText[] = "Send a log";
constexpr char kReceivedLink[] = "/received";

std::string periodText(const crosscheck::ContestDefinition& definition) {
  if (!definition.from && !definition.to) return "as the contest's rules give it";
  auto text = [](const std::optional<imports::UtcTime>& time) {
    return time ? imports::formatUtc(imports::unixTimeOf(*time)) : std::string("open");
  };
  return text(definition.from) + " to " + text(definition.to);
}

std::string timeOrNone(const std::optional<UnixTime>& time) {
  return time ? imports::formatUtc(*time) : std::string("none");
}

void writeUploadForm(pages::HtmlWriter& html, const RobotSettings& settings) {
  html.open("form",
            {{"method", "post"}, {"action", kReviewPath}, {"enctype", "multipart/form-data"}});
  html.open("p").element("label", "Cabrillo or ADIF file: ", {{"for", kFileField}});
  html.empty("input", {{"type", "file"}, {"id", kFileField}, {"name", kFileField}}).close();
  html.open("p").element("label", "or paste the log here:", {{"for", kTextField}}).close();
  html.element("textarea", "",
               {{"id", kTextField}, {"name", kTextField}, {"rows", "12"}, {"cols", "80"}});
  html.element("p", "At most " + std::to_string(settings.sizeLimit / 1024) + " KiB.");
  html.open("p").element("button", "Check the log", {{"type", "submit"}}).close();
  html.close();
}

// The form while logs are taken, else when they are.
void writeUploadSection(pages::HtmlWriter& html, const RobotSettings& settings, UnixTime now,
                        const std::string& notice) {
  pages::openSection(html, "upload", "Send your log");
  const std::string shut = uploadsShutText(settings, now);
  if (shut.empty()) {
    if (!notice.empty()) html.open("p").element("strong", notice).close();
    writeUploadForm(html, settings);
  } else {
    html.element("p", shut);
  }
  html.close();
}

}  // namespace

std::string uploadsShutText(const RobotSettings& settings, UnixTime now) {
  switch (uploadWindowAt(settings, now)) {
    case UploadWindow::kNotYetOpen:
      return "Logs are taken from " + imports::formatUtc(*settings.opens) + " on.";
    case UploadWindow::kClosed:
      return "The deadline for logs was " + imports::formatUtc(*settings.deadline) +
             "; no more logs are taken.";
    case UploadWindow::kOpen:
      break;
  }
  return "";
}

std::string homePage(const RobotSettings& settings, UnixTime now, const std::string& notice) {
  pages::HtmlWriter html;
  pages::openPage(html, {settings.definition.name, "Log robot", "", ""});
  std::vector<pages::DetailRow> details = {{"Contest", settings.definition.name},
                                           {"Period", periodText(settings.definition)}};
  if (settings.opens) details.push_back({"Uploads open", imports::formatUtc(*settings.opens)});
  details.push_back({"Deadline", timeOrNone(settings.deadline)});
  pages::writeDetails(html, details);
  writeUploadSection(html, settings, now, notice);
  html.open("p").element("a", "Logs received so far", {{"href", kReceivedLink}}).close();
  return pages::closePage(html, pages::Numbers::kNone);
}

std::string receivedPage(const RobotSettings& settings, const std::vector<Submission>& received) {
  pages::HtmlWriter html;
  pages::openPage(html, {"Logs received", settings.definition.name, kHomeLink, kHomeText});
  html.element("p", std::to_string(received.size()) + " logs received.");
  html.open("div", {{"class", "wide"}}).open("table", {{"class", "received"}});
  pages::writeHeadings(html, {{"Call", false}, {"Category", false}, {"QSOs"}, {"Received", false}});
  html.open("tbody");
  for (const Submission& log : received) {
    html.open("tr").element("td", log.call).element("td", log.category);
    pages::writeNumberCell(html, log.qsos);
    html.element("td", imports::formatUtc(log.received)).close();
  }
  html.close().close().close();
  return pages::closePage(html);
}

std::string messagePage(const std::string& title, const std::string& message) {
  pages::HtmlWriter html;
  pages::openPage(html, {title, "", kHomeLink, kHomeText});
  html.element("p", message);
  return pages::closePage(html, pages::Numbers::kNone);
}

}  // namespace robot
