#include "robot/organiser_pages.h"

#include "pages/page_frame.h"
#include "pages/page_sections.h"
#include "robot/mail_pages.h"
#include "robot/submission_table.h"

namespace robot {
namespace {

constexpr char kTitle[] = "Organiser";

// A form with one button and the fields given: pages work without scripts.
void writeButton(pages::HtmlWriter& html, const char* action, const std::string& label,
                 const std::vector<std::pair<const char*, std::string>>& fields = {}) {
  html.open("form", {{"method", "post"}, {"action", action}});
  for (const auto& field : fields) {
    html.empty("input", {{"type", "hidden"}, {"name", field.first}, {"value", field.second}});
  }
  html.element("button", label, {{"type", "submit"}}).close();
}

void writeList(pages::HtmlWriter& html, const std::vector<std::string>& items) {
  html.open("ul");
  for (const std::string& item : items) html.element("li", item);
  html.close();
}

void writeLink(pages::HtmlWriter& html, const std::string& text, const char* href) {
  html.open("p").element("a", text, {{"href", href}}).close();
}

void writeOverridesForm(pages::HtmlWriter& html, const std::string& text) {
  html.open("form", {{"method", "post"}, {"action", kOverridesPath}});
  html.open("p").element("label",
                         "One a line: CALL LINE RESULT reason (LINE: the QSO's line in the "
                         "log's file; RESULT: ok, not-in-log, busted-call, ...; # starts a "
                         "comment). The next cross-check applies them.",
                         {{"for", kOverridesField}});
  html.close().element(
      "textarea", text,
      {{"id", kOverridesField}, {"name", kOverridesField}, {"rows", "8"}, {"cols", "80"}});
  html.open("p").element("button", "Save the overrides", {{"type", "submit"}}).close().close();
}

void writeResultsSection(pages::HtmlWriter& html, bool hasPreview) {
  pages::openSection(html, "crosscheck", "Results");
  writeButton(html, kCrosscheckPath, "Cross-check the logs received into a preview");
  if (hasPreview) {
    writeLink(html, "The preview, seen by the organiser only", kPreviewPath);
    writeButton(html, kPublishPath, "Publish the preview");
  }
  writeLink(html, "The results published", kResultsPath);
  html.close();
}

}  // namespace

std::string keyPage(bool wrongKey) {
  pages::HtmlWriter html;
  pages::openPage(html, {kTitle, "", "/", "Send a log"});
  if (wrongKey) html.element("p", "That key is not the organiser key.", {{"class", "refused"}});
  html.open("form", {{"method", "post"}, {"action", kLoginPath}});
  html.open("p").element("label", "Organiser key: ", {{"for", kKeyField}});
  html.empty("input", {{"type", "password"}, {"id", kKeyField}, {"name", kKeyField}});
  html.element("button", "Open", {{"type", "submit"}}).close().close();
  return pages::closePage(html, pages::Numbers::kNone);
}

std::string tooManyKeysPage(imports::UnixTime wait) {
  pages::HtmlWriter html;
  pages::openPage(html, {kTitle, "", "/", "Send a log"});
  html.element(
      "p", "Too many wrong keys from this address: try again in " + std::to_string(wait) + " s.",
      {{"class", "refused"}});
  return pages::closePage(html);
}

std::string keyInAddressPage() {
  pages::HtmlWriter html;
  pages::openPage(html, {kTitle, "", kOrganiserPath, kTitle});
  html.element("p",
               "The organiser key is never taken from an address, where it would be kept "
               "in histories and logs: log in with the form, or send the " +
                   std::string(kKeyHeader) + " header.",
               {{"class", "refused"}});
  return pages::closePage(html);
}

std::string submissionsPage(const DeskView& view) {
  pages::HtmlWriter html;
  pages::openPage(html, {kTitle, "Every submission, accepted or refused", "/", "Send a log"});
  writeButton(html, kLogoutPath, "Log out");
  if (!view.differences.empty()) {
    pages::openSection(html, "differences", "The store disagrees with itself");
    writeList(html, view.differences);
    html.close();
  }
  writeResultsSection(html, view.hasPreview);
  pages::openSection(html, "overrides", "Overrides");
  writeOverridesForm(html, view.overrides);
  html.close();
  writeSubmissionTable(html, view.page, view.number, view.pages);
  if (view.mails) writeMails(html, *view.mails);
  return pages::closePage(html);
}

std::string crosscheckPage(const std::string& summary, const std::vector<std::string>& unreadable) {
  pages::HtmlWriter html;
  pages::openPage(html, {"Preview ready", "", kOrganiserPath, kTitle});
  html.element("p", summary);
  if (!unreadable.empty()) writeList(html, unreadable);
  writeLink(html, "The preview, seen by the organiser only", kPreviewPath);
  writeButton(html, kPublishPath, "Publish the preview");
  return pages::closePage(html);
}

std::string overridesRefusedPage(const std::string& reason, const std::string& text) {
  pages::HtmlWriter html;
  pages::openPage(html, {"Overrides not saved", "", kOrganiserPath, kTitle});
  html.element("p", reason, {{"class", "refused"}});
  html.element("p", "The overrides kept before are unchanged.");
  writeOverridesForm(html, text);
  return pages::closePage(html);
}

std::string confirmPublishPage(imports::UnixTime deadline) {
  pages::HtmlWriter html;
  pages::openPage(html, {"Publish before the deadline?", "", kOrganiserPath, kTitle});
  html.element("p", "Logs are taken until " + imports::formatUtc(deadline) +
                        "; the results published now may miss some.");
  writeButton(html, kPublishPath, "Publish now, before the deadline", {{kConfirmField, "yes"}});
  return pages::closePage(html);
}

std::string publishedPage() {
  pages::HtmlWriter html;
  pages::openPage(html, {"Results published", "", kOrganiserPath, kTitle});
  html.element("p", "The preview is now the results everyone sees.");
  writeLink(html, "The results published", kResultsPath);
  return pages::closePage(html);
}

}  // namespace robot
