#include "tests/cli/json_value.h"

#include <stdexcept>

namespace testing_support {
namespace {

class JsonParser {
 public:
  explicit JsonParser(std::string_view text) : text_(text) {}

  JsonValue parseDocument() {
    JsonValue value = parseValue();
    skipBlanks();
    if (at_ != text_.size()) fail("text after the value");
    return value;
  }

 private:
  [[noreturn]] void fail(const std::string& what) const {
    throw std::runtime_error("JSON: " + what + " at offset " + std::to_string(at_));
  }

  void skipBlanks() {
    while (at_ < text_.size() &&
           std::string_view(" \t\r\n").find(text_[at_]) != std::string_view::npos) {
      ++at_;
    }
  }

  char peek() {
    skipBlanks();
    if (at_ >= text_.size()) fail("unexpected end");
    return text_[at_];
  }

  void expect(char c) {
    if (peek() != c) fail(std::string("expected '") + c + "'");
    ++at_;
  }

  bool takeComma() {
    if (peek() != ',') return false;
    ++at_;
    return true;
  }

  bool takeWord(std::string_view word) {
    if (text_.substr(at_, word.size()) != word) return false;
    at_ += word.size();
    return true;
  }

  JsonValue parseValue() {
    char c = peek();
    JsonValue value;
    if (c == '{') return parseObject();
    if (c == '[') return parseArray();
    if (c == '"') {
      value.kind = JsonValue::kString;
      value.string = parseString();
    } else if (c == '-' || (c >= '0' && c <= '9')) {
      value.kind = JsonValue::kNumber;
      value.number = parseNumber();
    } else if (takeWord("true")) {
      value.kind = JsonValue::kBool;
      value.boolean = true;
    } else if (takeWord("false")) {
      value.kind = JsonValue::kBool;
    } else if (!takeWord("null")) {
      fail("unexpected character");
    }
    return value;
  }

  JsonValue parseObject() {
    JsonValue value;
    value.kind = JsonValue::kObject;
    expect('{');
    if (peek() != '}') {
      do {
        if (peek() != '"') fail("expected a key");
        std::string key = parseString();
        expect(':');
        if (!value.object.emplace(key, parseValue()).second) fail("duplicate key " + key);
      } while (takeComma());
    }
    expect('}');
    return value;
  }

  JsonValue parseArray() {
    JsonValue value;
    value.kind = JsonValue::kArray;
    expect('[');
    if (peek() != ']') {
      do {
        value.array.push_back(parseValue());
      } while (takeComma());
    }
    expect(']');
    return value;
  }

  long parseNumber() {
    std::size_t start = at_;
    if (text_[at_] == '-') ++at_;
    while (at_ < text_.size() && text_[at_] >= '0' && text_[at_] <= '9') ++at_;
    if (at_ == start || (at_ - start > 1 && text_[start] == '0')) fail("bad number");
    return std::stol(std::string(text_.substr(start, at_ - start)));
  }

  void appendUtf8(unsigned code, std::string* out) {
    if (code < 0x80) {
      *out += static_cast<char>(code);
    } else if (code < 0x800) {
      *out += static_cast<char>(0xC0 | (code >> 6));
      *out += static_cast<char>(0x80 | (code & 0x3F));
    } else {
      *out += static_cast<char>(0xE0 | (code >> 12));
      *out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
      *out += static_cast<char>(0x80 | (code & 0x3F));
    }
  }

  void parseEscape(std::string* out) {
    if (at_ >= text_.size()) fail("unexpected end");
    char c = text_[at_++];
    static const std::string_view kPlain = "\"\\/bfnrt";
    static const std::string_view kMeaning = "\"\\/\b\f\n\r\t";
    if (std::size_t index = kPlain.find(c); index != std::string_view::npos) {
      *out += kMeaning[index];
    } else if (c == 'u' && at_ + 4 <= text_.size()) {
      appendUtf8(static_cast<unsigned>(std::stoul(std::string(text_.substr(at_, 4)), nullptr, 16)),
                 out);
      at_ += 4;
    } else {
      fail("bad escape");
    }
  }

  std::string parseString() {
    expect('"');
    std::string out;
    while (at_ < text_.size() && text_[at_] != '"') {
      unsigned char c = static_cast<unsigned char>(text_[at_++]);
      if (c < 0x20) fail("control character in a string");
      if (c == '\\') {
        parseEscape(&out);
      } else {
        out += static_cast<char>(c);
      }
    }
    expect('"');
    return out;
  }

  std::string_view text_;
  std::size_t at_ = 0;
};

}  // namespace

const JsonValue& JsonValue::operator[](const std::string& key) const {
  auto found = object.find(key);
  if (found == object.end()) throw std::runtime_error("JSON: no member " + key);
  return found->second;
}

JsonValue parseJson(std::string_view text) { return JsonParser(text).parseDocument(); }

}  // namespace testing_support
