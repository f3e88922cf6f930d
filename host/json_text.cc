#include "host/json_text.h"

#include <cstdio>

#include "import/log_text.h"

namespace host {
namespace {

using Json = nlohmann::ordered_json;

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

std::string jsonString(std::string_view text) {
  std::string out = "\"";
  for (std::size_t i = 0; i < text.size();) {
    unsigned char c = static_cast<unsigned char>(text[i]);
    std::size_t length = imports::utf8Length(text, i);
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
