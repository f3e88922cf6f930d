#include "pages/page_sections.h"

namespace pages {

void openSection(HtmlWriter& html, const std::string& id, const std::string& heading) {
  html.open("section", {{"id", id}}).element("h2", heading);
}

void writeDetails(HtmlWriter& html, const std::vector<DetailRow>& rows) {
  html.open("dl", {{"class", "station"}});
  for (const DetailRow& row : rows) html.element("dt", row.label).element("dd", row.value);
  html.close();
}

void writeNumberCell(HtmlWriter& html, long value) {
  html.element("td", std::to_string(value), {{"class", "n"}});
}

void writeHeadings(HtmlWriter& html, const std::vector<Column>& columns) {
  html.open("thead").open("tr");
  for (const Column& column : columns) {
    if (column.number) {
      html.element("th", column.heading, {{"scope", "col"}, {"class", "n"}});
    } else {
      html.element("th", column.heading, {{"scope", "col"}});
    }
  }
  html.close().close();
}

void writeLines(HtmlWriter& html, const std::vector<std::string>& lines) {
  std::string text;
  for (const std::string& line : lines) text += line + "\n";
  html.element("pre", text, {{"class", "lines"}});
}

}  // namespace pages
