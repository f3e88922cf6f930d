#include "pages/html_writer.h"

#include <cstring>
#include <stdexcept>

namespace pages {

namespace {

// Room for a usual page from the start, so that it is not copied as it grows.
constexpr std::size_t kUsualPageBytes = 32 << 10;

// The character reference that stands for `c`, or null for a plain character.
const char* referenceFor(char c) {
  switch (c) {
    case '&':
      return "&amp;";
    case '<':
      return "&lt;";
    case '>':
      return "&gt;";
    case '"':
      return "&quot;";
    case '\'':
      return "&#39;";
    default:
      return nullptr;
  }
}

bool isPlain(char c) { return c != '&' && c != '<' && c != '>' && c != '"' && c != '\''; }

// Appends `text` escaped, its plain runs whole.
void appendEscaped(std::string_view text, std::string* out) {
  std::size_t plainFrom = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (isPlain(text[i])) continue;
    out->append(text.substr(plainFrom, i - plainFrom));
    *out += referenceFor(text[i]);
    plainFrom = i + 1;
  }
  out->append(text.substr(plainFrom));
}

}  // namespace

std::string escapeHtml(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  appendEscaped(text, &out);
  return out;
}

HtmlWriter::HtmlWriter() : out_("<!DOCTYPE html>\n") { out_.reserve(kUsualPageBytes); }

void HtmlWriter::writeTag(std::string_view tag, std::initializer_list<Attribute> attributes,
                          std::string_view ending) {
  out_ += '<';
  out_ += tag;
  for (const Attribute& attribute : attributes) {
    out_ += ' ';
    out_ += attribute.name;
    out_ += "=\"";
    appendEscaped(attribute.value, &out_);
    out_ += '"';
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
  out_ += "</";
  out_ += open_.back();
  out_ += '>';
  open_.pop_back();
  return *this;
}

HtmlWriter& HtmlWriter::text(std::string_view text) {
  appendEscaped(text, &out_);
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
  out_ += '\n';
  return std::move(out_);
}

}  // namespace pages
