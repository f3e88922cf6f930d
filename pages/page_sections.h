#ifndef ZVK_PAGES_PAGE_SECTIONS_H_
#define ZVK_PAGES_PAGE_SECTIONS_H_

#include <string>
#include <vector>

#include "pages/html_writer.h"
#include "pages/station_details.h"

// Pieces more than one page kind writes.
namespace pages {

// A section with its heading; closed by the caller.
void openSection(HtmlWriter& html, const std::string& id, const std::string& heading);
// Label and value pairs as a definition list.
void writeDetails(HtmlWriter& html, const std::vector<DetailRow>& rows);
// A right-aligned number cell.
void writeNumberCell(HtmlWriter& html, long value);
struct Column {
  std::string heading;
  bool number = true;  // right-aligned
};
// The header row of a table.
void writeHeadings(HtmlWriter& html, const std::vector<Column>& columns);
// Whole lines of a file, kept as they are.
void writeLines(HtmlWriter& html, const std::vector<std::string>& lines);

}  // namespace pages

#endif  // ZVK_PAGES_PAGE_SECTIONS_H_
