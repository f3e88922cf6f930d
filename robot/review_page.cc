#include "robot/review_page.h"

#include "crosscheck/category_rules.h"
#include "crosscheck/log_check.h"
#include "pages/page_frame.h"
#include "pages/page_sections.h"
#include "robot/answer_pages.h"
#include "robot/front_pages.h"
#include "robot/header_corrections.h"
#include "robot/upload_reading.h"

namespace robot {
namespace {

constexpr char kUploadName[] = "upload";
constexpr char kUploadPath[] = "/upload";

void writeChoice(pages::HtmlWriter& html, const imports::CategoryField& field,
                 const std::string& value) {
  html.open("select", {{"id", field.tag}, {"name", field.tag}});
  html.element("option", "(none)", {{"value", ""}});
  for (const std::string& choice : field.values) {
    if (choice == value) {
      html.element("option", choice, {{"value", choice}, {"selected", "selected"}});
    } else {
      html.element("option", choice, {{"value", choice}});
    }
  }
  html.close();
}

void writeControl(pages::HtmlWriter& html, const std::string& tag, const std::string& value,
                  const std::vector<imports::CategoryField>& categories) {
  for (const imports::CategoryField& field : categories) {
    if (field.tag == tag) return writeChoice(html, field, value);
  }
  if (tag == kSoapboxTag) {
    html.element("textarea", value, {{"id", tag}, {"name", tag}, {"rows", "4"}, {"cols", "60"}});
  } else {
    html.empty("input", {{"type", "text"}, {"id", tag}, {"name", tag}, {"value", value}});
  }
}

void writeHeaderForm(pages::HtmlWriter& html, const imports::ImportedLog& log,
                     const std::string& token, const RobotSettings& settings) {
  const std::vector<imports::CategoryField> categories =
      crosscheck::allowedCategories(settings.definition.categories);
  pages::openSection(html, "header", "Header");
  html.open("form",
            {{"method", "post"}, {"action", kUploadPath}, {"enctype", "multipart/form-data"}});
  html.empty("input", {{"type", "hidden"}, {"name", kTokenField}, {"value", token}});
  html.open("table", {{"class", "header"}}).open("tbody");
  for (const std::string& tag : reviewedTags()) {
    html.open("tr").open("th").element("label", tag, {{"for", tag}}).close().open("td");
    writeControl(html, tag, headerValue(log, tag), categories);
    html.close().close();
  }
  html.close().close();
  html.open("p").element("button", "Send the log", {{"type", "submit"}}).close();
  html.close().close();
}

void writeFindings(pages::HtmlWriter& html, const UploadReading& reading) {
  if (!reading.facts) {
    pages::openSection(html, "problems",
                       "Problems (" + std::to_string(reading.problems.size()) + ")");
    html.element("p",
                 "The log is not accepted with these. A header field is corrected below; a QSO "
                 "line needs the log corrected and chosen again.");
    writeNotes(html, reading.problems, "problems");
    html.close();
    return;
  }
  pages::openSection(html, "warnings",
                     "Warnings (" + std::to_string(reading.facts->warnings.size()) + ")");
  if (reading.facts->warnings.empty()) html.element("p", "None.");
  if (!reading.facts->warnings.empty()) writeNotes(html, reading.facts->warnings, "warnings");
  html.close();
}

}  // namespace

std::string reviewPage(std::string_view text, const std::string& token,
                       const RobotSettings& settings) {
  const crosscheck::CheckedLog checked =
      crosscheck::readLogToCheck(text, kUploadName, settings.definition);
  const crosscheck::StationFiles stations =
      settings.stationFiles ? settings.stationFiles->view() : crosscheck::StationFiles{};
  pages::HtmlWriter html;
  pages::openPage(html,
                  {"Check your log", "Correct the header and send it; nothing is kept before.", "/",
                   "Choose another log"});
  writeFindings(html, readUpload(text, settings.definition, stations));
  writeHeaderForm(html, checked.log, token, settings);
  return pages::closePage(html);
}

std::string reviewExpiredPage() {
  return messagePage("Log not sent",
                     "The log shown for review is no longer kept here (after an hour, or when "
                     "many were reviewed at once); nothing was kept. Please choose it again.");
}

}  // namespace robot
