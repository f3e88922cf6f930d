#include "pages/html_writer.h"

#include <cstring>
#include <stdexcept>

namespace pages {

std::string escapeHtml(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (char c : text) {
    switch (c) {
      case '&':
        out += "&amp;";
        break;
      case '<':
        out += "&lt;";
        break;
      case '>':
        out += "&gt;";
        break;
      case '"':
        out += "&quot;";
        break;
      case '\'':
        out += "&#39;";
        break;
      default:
        out += c;
    }
  }
  return out;
}

void HtmlWriter::writeTag(std::string_view tag, std::initializer_list<Attribute> attributes,
                          std::string_view ending) {
  out_ += '<';
  out_ += tag;
  for (const Attribute& attribute : attributes) {
    out_ += ' ';
    out_ += attribute.name;
    out_ += "=\"" + escapeHtml(attribute.value) + '"';
  }
  out_ += ending;
}

HtmlWriter& HtmlWriter::open(std::string_view tag, std::initializer_list<Attribute> attributes) {
  writeTag(tag, attributes, ">");
  open_.emplace_back(tag);
  return *this;
}

HtmlWriter& HtmlWriter::close() {
  if (open_.empty()) throw std::logic_error("HtmlWriter::close without an open element");
  out_ += "</" + open_.back() + '>';
  open_.pop_back();
  return *this;
}

HtmlWriter& HtmlWriter::text(std::string_view text) {
  out_ += escapeHtml(text);
  return *this;
}

HtmlWriter& HtmlWriter::element(std::string_view tag, std::string_view text,
                                std::initializer_list<Attribute> attributes) {
  return open(tag, attributes).text(text).close();
}

HtmlWriter& HtmlWriter::empty(std::string_view tag, std::initializer_list<Attribute> attributes) {
  writeTag(tag, attributes, " />");
  return *this;
}

HtmlWriter& HtmlWriter::styleSheet(const char* css) {
  if (std::strstr(css, "</") != nullptr) throw std::logic_error("style sheet holds an end tag");
  open("style");
  out_ += css;
  return close();
}

std::string HtmlWriter::finish() {
  while (!open_.empty()) close();
  return "<!DOCTYPE html>\n" + std::move(out_) + "\n";
}

}  // namespace pages
