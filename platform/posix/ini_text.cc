#include "platform/posix/ini_text.h"

#include "platform/text.h"

namespace platform {
namespace {

// A CR that ends the file without its LF is a line end too: trimmed like a
// blank, the value reads the same before and after a later key is added.
constexpr char kBlanks[] = " \t\r";

std::string trimBlanks(const std::string& text) {
  std::size_t first = text.find_first_not_of(kBlanks);
  if (first == std::string::npos) return std::string();
  return text.substr(first, text.find_last_not_of(kBlanks) - first + 1);
}

// Name of a "[Section]" line; false for any other line.
bool sectionNameOf(const std::string& text, std::string* name) {
  std::string trimmed = trimBlanks(text);
  std::size_t close = trimmed.find(']');
  if (trimmed.empty() || trimmed[0] != '[' || close == std::string::npos) return false;
  *name = trimBlanks(trimmed.substr(1, close - 1));
  return true;
}

// Key of a "Key=Value" line; comment lines and lines without "=" have none.
bool keyNameOf(const std::string& text, std::string* name) {
  std::size_t equals = text.find('=');
  std::string key = trimBlanks(text.substr(0, equals));
  if (equals == std::string::npos || key.empty() || key[0] == ';') return false;
  *name = key;
  return true;
}

std::string unquoted(const std::string& value) {
  bool quoted =
      value.size() >= 2 && (value[0] == '"' || value[0] == '\'') && value.back() == value[0];
  return quoted ? value.substr(1, value.size() - 2) : value;
}

}  // namespace

IniText::IniText(const std::string& contents) : lineEnd_("\r\n") {
  std::size_t start = 0;
  while (start < contents.size()) {
    std::size_t newline = contents.find('\n', start);
    if (newline == std::string::npos) {
      lines_.push_back({contents.substr(start), ""});
      break;
    }
    bool crlf = newline > start && contents[newline - 1] == '\r';
    std::size_t textEnd = crlf ? newline - 1 : newline;
    lines_.push_back({contents.substr(start, textEnd - start), crlf ? "\r\n" : "\n"});
    start = newline + 1;
  }
  if (!lines_.empty() && !lines_[0].ending.empty()) lineEnd_ = lines_[0].ending;
}

bool IniText::find(const char* section, const char* key, std::string* value) const {
  std::size_t line = findKey(findSection(section), key);
  if (line == kNotFound) return false;
  const std::string& text = lines_[line].text;
  *value = unquoted(trimBlanks(text.substr(text.find('=') + 1)));
  return true;
}

bool IniText::keys(const char* section, std::vector<std::string>* names) const {
  std::size_t header = findSection(section);
  if (header == kNotFound) return false;
  std::string name;
  const std::size_t end = sectionEnd(header);
  for (std::size_t i = header + 1; i < end; ++i) {
    if (keyNameOf(lines_[i].text, &name)) names->push_back(name);
  }
  return true;
}

void IniText::set(const char* section, const char* key, const char* value) {
  std::size_t header = findSection(section);
  if (header == kNotFound) {
    insertLine(lines_.size(), "[" + std::string(section) + "]");
    insertLine(lines_.size(), std::string(key) + "=" + value);
    return;
  }
  std::size_t line = findKey(header, key);
  if (line != kNotFound) {
    std::string existingKey;
    keyNameOf(lines_[line].text, &existingKey);  // keeps the file's spelling of the key
    lines_[line].text = existingKey + "=" + value;
    return;
  }
  std::size_t at = sectionEnd(header);
  while (at > header + 1 && trimBlanks(lines_[at - 1].text).empty()) --at;
  insertLine(at, std::string(key) + "=" + value);
}

std::string IniText::contents() const {
  std::string text;
  for (const Line& line : lines_) text += line.text + line.ending;
  return text;
}

std::size_t IniText::findSection(const char* section) const {
  std::string name;
  for (std::size_t i = 0; i < lines_.size(); ++i) {
    if (sectionNameOf(lines_[i].text, &name) && equalNoCase(name.c_str(), section)) return i;
  }
  return kNotFound;
}

std::size_t IniText::sectionEnd(std::size_t header) const {
  std::string name;
  std::size_t line = header + 1;
  while (line < lines_.size() && !sectionNameOf(lines_[line].text, &name)) ++line;
  return line;
}

std::size_t IniText::findKey(std::size_t header, const char* key) const {
  if (header == kNotFound) return kNotFound;
  std::string name;
  const std::size_t end = sectionEnd(header);
  for (std::size_t i = header + 1; i < end; ++i) {
    if (keyNameOf(lines_[i].text, &name) && equalNoCase(name.c_str(), key)) return i;
  }
  return kNotFound;
}

void IniText::insertLine(std::size_t at, std::string text) {
  if (at > 0 && lines_[at - 1].ending.empty()) lines_[at - 1].ending = lineEnd_;
  lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(at), {std::move(text), lineEnd_});
}

}  // namespace platform
