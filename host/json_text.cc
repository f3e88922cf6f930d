#include "host/json_text.h"

#include <cstdio>

namespace host {
namespace {

using Json = nlohmann::ordered_json;

// Length of the UTF-8 character at `at`: 1 for ASCII, 2 to 4 for a valid
// sequence, 0 for a byte that starts none.
std::size_t utf8Length(std::string_view text, std::size_t at) {
  unsigned char lead = static_cast<unsigned char>(text[at]);
  if (lead < 0x80) return 1;
  std::size_t length = lead >= 0xF0 && lead <= 0xF4   ? 4
                       : lead >= 0xE0                 ? 3
                       : lead >= 0xC2 && lead <= 0xDF ? 2
                                                      : 0;
  if (length == 0 || at + length > text.size()) return 0;
  for (std::size_t i = 1; i < length; ++i) {
    if ((static_cast<unsigned char>(text[at + i]) & 0xC0) != 0x80) return 0;
  }
  return length;
}

void appendEscaped(unsigned char c, std::string* out) {
  char escape[8];
  std::snprintf(escape, sizeof escape, "\\u%04x", c);
  *out += escape;
}

class LayoutWriter {
 public:
  explicit LayoutWriter(const std::vector<JsonPath>& expanded) : expanded_(expanded) {}

  void write(const Json& value, int indent) {
    if (value.is_string()) {
      out_ += jsonString(value.get_ref<const std::string&>());
    } else if (!value.is_structured()) {
      out_ += value.dump();
    } else if (value.empty()) {
      out_ += value.is_object() ? "{}" : "[]";
    } else {
      writeContainer(value, indent);
    }
  }

  const std::string& text() const { return out_; }

 private:
  void writeContainer(const Json& value, int indent) {
    const bool expand = isExpanded();
    const int itemIndent = expand ? indent + 2 : indent;
    out_ += value.is_object() ? '{' : '[';
    std::size_t index = 0;
    for (auto item = value.begin(); item != value.end(); ++item, ++index) {
      if (index > 0) out_ += ',';
      out_ += expand ? "\n" + std::string(itemIndent, ' ') : index > 0 ? " " : "";
      if (value.is_object()) out_ += jsonString(item.key()) + ": ";
      path_.push_back(value.is_object() ? item.key() : std::to_string(index));
      write(*item, itemIndent);
      path_.pop_back();
    }
    if (expand) out_ += "\n" + std::string(indent, ' ');
    out_ += value.is_object() ? '}' : ']';
  }

  bool isExpanded() const {
    for (const JsonPath& path : expanded_) {
      bool matches = path.size() == path_.size();
      for (std::size_t i = 0; matches && i < path.size(); ++i) {
        matches = path[i] == "*" || path[i] == path_[i];
      }
      if (matches) return true;
    }
    return false;
  }

  const std::vector<JsonPath>& expanded_;
  JsonPath path_;
  std::string out_;
};

}  // namespace

std::string validUtf8(std::string_view text) {
  std::string out;
  for (std::size_t i = 0; i < text.size();) {
    if (std::size_t length = utf8Length(text, i)) {
      out.append(text.substr(i, length));
      i += length;
    } else {
      unsigned char latin1 = static_cast<unsigned char>(text[i++]);
      out += static_cast<char>(0xC0 | latin1 >> 6);
      out += static_cast<char>(0x80 | (latin1 & 0x3F));
    }
  }
  return out;
}

std::string jsonString(std::string_view text) {
  std::string out = "\"";
  for (std::size_t i = 0; i < text.size();) {
    unsigned char c = static_cast<unsigned char>(text[i]);
    std::size_t length = utf8Length(text, i);
    if (c == '"' || c == '\\') {
      out += '\\';
      out += static_cast<char>(c);
    } else if (c < 0x20 || c == 0x7F || length == 0) {
      appendEscaped(c, &out);
    } else {
      out.append(text.substr(i, length));
    }
    i += length == 0 ? 1 : length;
  }
  return out + "\"";
}

std::string layoutJson(const Json& value, const std::vector<JsonPath>& expanded) {
  LayoutWriter writer(expanded);
  writer.write(value, 0);
  return writer.text();
}

}  // namespace host
