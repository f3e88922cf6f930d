#ifndef ZVK_PAGES_PAGE_FRAME_H_
#define ZVK_PAGES_PAGE_FRAME_H_

#include <string>

#include "pages/html_writer.h"

namespace pages {

struct PageHeading {
  std::string title;     // the document's title and the header's heading
  std::string subtitle;  // below the heading; empty for none
  std::string upLink;    // a relative link to the page above; empty for none
  std::string upText;
};

// The frame every page shares: head (character set, viewport, our style
// sheet, nothing fetched), header, then the page's own content in <main>.
void openPage(HtmlWriter& html, const PageHeading& heading);
// Whether the page shows numbers: only then does the footer say that each
// is also given as text (a chart's in the table beside it).
enum class Numbers { kSome, kNone };

// Closes <main>, writes the footer and returns the whole document.
std::string closePage(HtmlWriter& html, Numbers numbers = Numbers::kSome);

}  // namespace pages

#endif  // ZVK_PAGES_PAGE_FRAME_H_
