#ifndef ZVK_PLATFORM_POSIX_INI_TEXT_H_
#define ZVK_PLATFORM_POSIX_INI_TEXT_H_

#include <cstddef>
#include <string>
#include <vector>

namespace platform {

// The text of a profile (INI) file as lines, edited in place so that every
// line not touched keeps its bytes and its line end.
class IniText {
 public:
  explicit IniText(const std::string& contents);

  // Value of the first `key` in the first `section` (ASCII case folded), with
  // surrounding blanks trimmed and enclosing quotes removed. False when absent.
  bool find(const char* section, const char* key, std::string* value) const;
  // The keys of the first `section` in file order, as the file spells them
  // (repeats included). False when the section is missing.
  bool keys(const char* section, std::vector<std::string>* names) const;
  // Replaces the first `key` line of the section, or adds the key (and the
  // section) when missing. The names must not hold line breaks.
  void set(const char* section, const char* key, const char* value);
  std::string contents() const;

 private:
  struct Line {
    std::string text;
    std::string ending;  // "\r\n", "\n", or "" for a last line without one
  };
  static constexpr std::size_t kNotFound = static_cast<std::size_t>(-1);

  std::size_t findSection(const char* section) const;
  std::size_t sectionEnd(std::size_t header) const;
  std::size_t findKey(std::size_t header, const char* key) const;
  void insertLine(std::size_t at, std::string text);

  std::vector<Line> lines_;
  std::string lineEnd_;  // the file's own style, CR LF for a new file
};

}  // namespace platform

#endif  // ZVK_PLATFORM_POSIX_INI_TEXT_H_
