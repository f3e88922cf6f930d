#include "platform/cstring.h"

#include <cstdarg>
#include <cstdio>
#include <cstring>

#include "platform/text.h"

namespace {

std::string formatText(const char* format, va_list args) {
  va_list copy;
  va_copy(copy, args);
  int length = std::vsnprintf(nullptr, 0, format, copy);
  va_end(copy);
  if (length <= 0) return std::string();
  std::string text(static_cast<std::size_t>(length) + 1, '\0');
  std::vsnprintf(&text[0], text.size(), format, args);
  text.resize(static_cast<std::size_t>(length));
  return text;
}

bool isBlank(char c) {
  return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\v' || c == '\f';
}

}  // namespace

CString::CString(const char* text) : text_(text ? text : "") {}

CString::CString(const char* text, int length)
    : text_(text && length > 0 ? std::string(text, static_cast<std::size_t>(length)) : "") {}

CString& CString::operator+=(const CString& other) {
  text_ += other.text_;
  return *this;
}

CString& CString::operator+=(const char* text) {
  if (text) text_ += text;
  return *this;
}

CString& CString::operator+=(char c) {
  text_ += c;
  return *this;
}

void CString::Format(const char* format, ...) {
  va_list args;
  va_start(args, format);
  text_ = formatText(format, args);
  va_end(args);
}

void CString::AppendFormat(const char* format, ...) {
  va_list args;
  va_start(args, format);
  text_ += formatText(format, args);
  va_end(args);
}

CString CString::Left(int count) const { return Mid(0, count); }

CString CString::Mid(int first) const { return Mid(first, GetLength()); }

CString CString::Mid(int first, int count) const {
  if (first < 0) first = 0;
  if (first >= GetLength() || count <= 0) return CString();
  return CString(text_.substr(static_cast<std::size_t>(first), static_cast<std::size_t>(count)));
}

int CString::Find(const char* needle, int start) const {
  if (start < 0 || start > GetLength()) return -1;
  const char* found = platform::findText(text_.c_str() + start, needle);
  return found ? static_cast<int>(found - text_.c_str()) : -1;
}

CString& CString::TrimLeft() {
  std::size_t first = 0;
  while (first < text_.size() && isBlank(text_[first])) ++first;
  text_.erase(0, first);
  return *this;
}

CString& CString::TrimRight() {
  std::size_t end = text_.size();
  while (end > 0 && isBlank(text_[end - 1])) --end;
  text_.erase(end);
  return *this;
}

CString& CString::Trim() { return TrimRight().TrimLeft(); }

int CString::Compare(const char* other) const {
  return platform::compareExact(text_.c_str(), other);
}

int CString::CompareNoCase(const char* other) const {
  return platform::compareNoCase(text_.c_str(), other);
}

bool operator==(const CString& a, const CString& b) { return a.str() == b.str(); }
bool operator==(const CString& a, const char* b) { return platform::equalExact(a, b); }
bool operator==(const char* a, const CString& b) { return platform::equalExact(a, b); }
bool operator!=(const CString& a, const CString& b) { return !(a == b); }
bool operator!=(const CString& a, const char* b) { return !(a == b); }

CString operator+(const CString& a, const CString& b) { return CString(a.str() + b.str()); }
CString operator+(const CString& a, const char* b) { return CString(a) += b; }
CString operator+(const char* a, const CString& b) { return CString(a) += b; }
