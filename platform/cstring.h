#ifndef ZVK_PLATFORM_CSTRING_H_
#define ZVK_PLATFORM_CSTRING_H_

#include <string>

// 8-bit text in the system's multibyte code page, with value semantics.
// A null pointer handed in counts as the empty text.
class CString {
 public:
  CString() = default;
  CString(const char* text);  // NOLINT(google-explicit-constructor): used as the framework's text
  CString(const char* text, int length);
  explicit CString(std::string text) : text_(std::move(text)) {}

  operator const char*() const { return text_.c_str(); }  // NOLINT(google-explicit-constructor)
  const char* GetString() const { return text_.c_str(); }
  const std::string& str() const { return text_; }
  int GetLength() const { return static_cast<int>(text_.size()); }
  bool IsEmpty() const { return text_.empty(); }
  void Empty() { text_.clear(); }

  CString& operator+=(const CString& other);
  CString& operator+=(const char* text);
  CString& operator+=(char c);

  // printf-style formatting; Format replaces the text, AppendFormat adds to it.
  void Format(const char* format, ...) __attribute__((format(printf, 2, 3)));
  void AppendFormat(const char* format, ...) __attribute__((format(printf, 2, 3)));

  CString Left(int count) const;
  CString Mid(int first) const;
  CString Mid(int first, int count) const;
  // Index of the first occurrence of `needle` at or after `start` (multibyte-aware), or -1.
  int Find(const char* needle, int start = 0) const;
  CString& TrimLeft();
  CString& TrimRight();
  CString& Trim();

  // Exact, byte-for-byte comparison (strcmp order).
  int Compare(const char* other) const;
  // ASCII letters fold; other bytes compare as they are (multibyte-aware).
  int CompareNoCase(const char* other) const;

 private:
  std::string text_;
};

bool operator==(const CString& a, const CString& b);
bool operator==(const CString& a, const char* b);
bool operator==(const char* a, const CString& b);
bool operator!=(const CString& a, const CString& b);
bool operator!=(const CString& a, const char* b);
CString operator+(const CString& a, const CString& b);
CString operator+(const CString& a, const char* b);
CString operator+(const char* a, const CString& b);

#endif  // ZVK_PLATFORM_CSTRING_H_
