#ifndef ZVK_PAGES_HTML_WRITER_H_
#define ZVK_PAGES_HTML_WRITER_H_

#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

namespace pages {

// `text` with &, <, >, " and ' written as character references: safe as
// element text and as a quoted attribute value alike.
std::string escapeHtml(std::string_view text);

// Given only in a call's list: a value made for the call lives until it returns.
struct Attribute {
  std::string_view name;   // our own names only: written as they are
  std::string_view value;  // escaped
};

// Writes an HTML (and inline SVG) document. Tag and attribute names come
// from our code; every text and attribute value goes through escapeHtml, so
// nothing read from a log can open an element.
class HtmlWriter {
 public:
  HtmlWriter();
  HtmlWriter& open(std::string_view tag, std::initializer_list<Attribute> attributes = {});
  // Closes the innermost open element.
  HtmlWriter& close();
  HtmlWriter& text(std::string_view text);
  // An element holding only `text`.
  HtmlWriter& element(std::string_view tag, std::string_view text,
                      std::initializer_list<Attribute> attributes = {});
  // An element without content or end tag (meta, rect, ...), closed by "/>":
  // inside SVG a bare start tag would hold every element after it.
  HtmlWriter& empty(std::string_view tag, std::initializer_list<Attribute> attributes);
  // Our own style sheet, written as it is: a style element's text is not
  // decoded, so escaping would break selectors such as "a > b".
  HtmlWriter& styleSheet(const char* css);

  // The document, with every element still open closed.
  std::string finish();

 private:
  // Where the next `bytes` go: written through a cursor, the page grows once
  // for a whole tag instead of once for each of its pieces.
  char* room(std::size_t bytes);
  void advanceTo(const char* cursor);
  // Writes the start tag with room for `bytesAfter` more; returns its end.
  char* writeTag(std::string_view tag, std::initializer_list<Attribute> attributes,
                 std::string_view ending, std::size_t bytesAfter);
  static char* writeEndTag(std::string_view tag, char* cursor);

  std::string out_;  // the page in its first written_ bytes; room after them
  std::size_t written_ = 0;
  std::vector<std::string> open_;
};

}  // namespace pages

#endif  // ZVK_PAGES_HTML_WRITER_H_
