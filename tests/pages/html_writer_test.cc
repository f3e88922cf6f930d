#include "pages/html_writer.h"

#include <gtest/gtest.h>

#include <stdexcept>

namespace {

using pages::HtmlWriter;

TEST(HtmlWriterTest, EscapesEveryMarkupCharacterOfText) {
  struct Case {
    const char* text;
    const char* escaped;
  };
  const Case kCases[] = {
      {"<script>alert(1)</script>", "&lt;script&gt;alert(1)&lt;/script&gt;"},
      {"Smith & Sons", "Smith &amp; Sons"},
      {"&amp;", "&amp;amp;"},
      {"\"quoted\" 'single'", "&quot;quoted&quot; &#39;single&#39;"},
      {"Q1ZVK 599 NM", "Q1ZVK 599 NM"},
      {"", ""},
  };
  for (const Case& c : kCases) EXPECT_EQ(pages::escapeHtml(c.text), c.escaped) << c.text;
}

TEST(HtmlWriterTest, WritesTextAndAttributeValuesEscapedAndClosesWhatIsOpen) {
  HtmlWriter html;
  html.open("p", {{"title", "\"><script>x</script>"}})
      .text("a < b & c")
      .empty("rect", {{"x", "1"}})
      .element("a", "<i>", {{"href", "entrants/Q1&2.html"}});
  EXPECT_EQ(html.finish(),
            "<!DOCTYPE html>\n<p title=\"&quot;&gt;&lt;script&gt;x&lt;/script&gt;\">a &lt; b &amp; "
            "c<rect x=\"1\" /><a href=\"entrants/Q1&amp;2.html\">&lt;i&gt;</a></p>\n");
}

// Pages larger than the room made at first: text, elements and tags that
// each run past the end of what was written so far.
TEST(HtmlWriterTest, GrowsPastItsFirstRoomKeepingEveryByte) {
  const std::string run(40000, 'a');
  HtmlWriter html;
  html.open("div", {{"title", run + "<"}}).text(run + "&").element("p", run, {{"id", "'"}});
  html.empty("rect", {{"x", run}});
  EXPECT_EQ(html.finish(), "<!DOCTYPE html>\n<div title=\"" + run + "&lt;\">" + run +
                               "&amp;<p id=\"&#39;\">" + run + "</p><rect x=\"" + run +
                               "\" /></div>\n");
}

TEST(HtmlWriterTest, RefusesToCloseWhatIsNotOpenAndAStyleSheetThatEndsItsElement) {
  HtmlWriter html;
  EXPECT_THROW(html.close(), std::logic_error);
  EXPECT_THROW(html.styleSheet("p{}</style><script>"), std::logic_error);
  html.styleSheet("a > b{color:red}");
  EXPECT_EQ(html.finish(), "<!DOCTYPE html>\n<style>a > b{color:red}</style>\n");
}

}  // namespace
