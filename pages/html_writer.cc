#include "pages/html_writer.h"

#include <array>
#include <cstring>
#include <stdexcept>

namespace pages {

namespace {

// Room for a usual page from the start, so that it is not copied as it grows.
constexpr std::size_t kUsualPageBytes = 32 << 10;
constexpr char kDoctype[] = "<!DOCTYPE html>\n";

// The character reference that stands for `c`, or empty for a plain character.
constexpr std::string_view referenceFor(char c) {
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
      return {};
  }
}

// The longest reference: an escaped text takes at most this many times its bytes.
constexpr std::size_t kLongestReference = referenceFor('"').size();

// Whether a byte needs a reference: one look-up for each character written.
constexpr std::array<bool, 256> referenceNeeds() {
  std::array<bool, 256> needs{};
  for (std::size_t byte = 0; byte < needs.size(); ++byte) {
    needs[byte] = !referenceFor(static_cast<char>(byte)).empty();
  }
  return needs;
}

constexpr std::array<bool, 256> kNeedsReference = referenceNeeds();

char* copy(std::string_view text, char* cursor) {
  std::memcpy(cursor, text.data(), text.size());
  return cursor + text.size();
}

char* copyEscaped(std::string_view text, char* cursor) {
  for (char c : text) {
    if (kNeedsReference[static_cast<unsigned char>(c)]) {
      cursor = copy(referenceFor(c), cursor);
    } else {
      *cursor++ = c;
    }
  }
  return cursor;
}

// Bytes an element's start tag takes at most.
std::size_t mostForTag(std::string_view tag, std::initializer_list<Attribute> attributes,
                       std::string_view ending) {
  std::size_t most = 1 + tag.size() + ending.size();
  for (const Attribute& attribute : attributes) {
    most += attribute.name.size() + 4 + kLongestReference * attribute.value.size();
  }
  return most;
}

}  // namespace

std::string escapeHtml(std::string_view text) {
  std::string out(kLongestReference * text.size(), '\0');
  out.resize(copyEscaped(text, out.data()) - out.data());
  return out;
}

HtmlWriter::HtmlWriter() : out_(kUsualPageBytes, '\0') {
  written_ = copy(kDoctype, out_.data()) - out_.data();
}

char* HtmlWriter::room(std::size_t bytes) {
  if (out_.size() - written_ < bytes) out_.resize(2 * (written_ + bytes));
  return out_.data() + written_;
}

void HtmlWriter::advanceTo(const char* cursor) { written_ = cursor - out_.data(); }

char* HtmlWriter::writeTag(std::string_view tag, std::initializer_list<Attribute> attributes,
                           std::string_view ending, std::size_t bytesAfter) {
  char* cursor = room(mostForTag(tag, attributes, ending) + bytesAfter);
  *cursor++ = '<';
  cursor = copy(tag, cursor);
  for (const Attribute& attribute : attributes) {
    *cursor++ = ' ';
    cursor = copy(attribute.name, cursor);
    cursor = copy("=\"", cursor);
    cursor = copyEscaped(attribute.value, cursor);
    *cursor++ = '"';
  }
  return copy(ending, cursor);
}

char* HtmlWriter::writeEndTag(std::string_view tag, char* cursor) {
  cursor = copy("</", cursor);
  cursor = copy(tag, cursor);
  *cursor++ = '>';
  return cursor;
}

HtmlWriter& HtmlWriter::open(std::string_view tag, std::initializer_list<Attribute> attributes) {
  advanceTo(writeTag(tag, attributes, ">", 0));
  open_.emplace_back(tag);
  return *this;
}

HtmlWriter& HtmlWriter::close() {
  if (open_.empty()) throw std::logic_error("HtmlWriter::close without an open element");
  const std::string& tag = open_.back();
  advanceTo(writeEndTag(tag, room(tag.size() + 3)));
  open_.pop_back();
  return *this;
}

HtmlWriter& HtmlWriter::text(std::string_view text) {
  advanceTo(copyEscaped(text, room(kLongestReference * text.size())));
  return *this;
}

HtmlWriter& HtmlWriter::element(std::string_view tag, std::string_view text,
                                std::initializer_list<Attribute> attributes) {
  std::size_t contentAndEnd = kLongestReference * text.size() + tag.size() + 3;
  char* cursor = writeTag(tag, attributes, ">", contentAndEnd);
  advanceTo(writeEndTag(tag, copyEscaped(text, cursor)));
  return *this;
}

HtmlWriter& HtmlWriter::empty(std::string_view tag, std::initializer_list<Attribute> attributes) {
  advanceTo(writeTag(tag, attributes, " />", 0));
  return *this;
}

HtmlWriter& HtmlWriter::styleSheet(const char* css) {
  if (std::strstr(css, "</") != nullptr) throw std::logic_error("style sheet holds an end tag");
  open("style");
  std::string_view sheet = css;
  advanceTo(copy(sheet, room(sheet.size())));
  return close();
}

std::string HtmlWriter::finish() {
  while (!open_.empty()) close();
  advanceTo(copy("\n", room(1)));
  out_.resize(written_);
  return std::move(out_);
}

}  // namespace pages
