#ifndef ZVK_CROSSCHECK_ALLOWED_VALUES_H_
#define ZVK_CROSSCHECK_ALLOWED_VALUES_H_

#include <map>
#include <set>
#include <string>
#include <string_view>

namespace crosscheck {

// The values an exchange field may take, as the organiser publishes them:
// per country the regions its stations send, or one list for every station.
// A text file, one list a line, `#` or `;` starting a comment:
//   OK: PR ST JC     (the country's prefix as the country file names it;
//                     several prefixes of one country may share a line)
//   *: AC R1 R2 R3   (every station, unless its country has a line)
// Values are separated by blanks or commas and compared ignoring case.
class AllowedValues {
 public:
  // Throws errors::ToolError (kBadDefinition) with the file, line and reason;
  // kIo when the file cannot be read.
  static AllowedValues read(const std::string& path);
  // `file` names the text in messages.
  static AllowedValues fromText(std::string_view text, const std::string& file);

  // Whether a station of `country` may send `value` (upper case): its
  // country's line holds it, or it has none and the line for every station
  // does.
  bool allows(std::string_view country, std::string_view value) const;
  // Whether any line holds `value`.
  bool knows(std::string_view value) const;
  // The country of the file whose prefix is the longest start of `call`,
  // else empty: the country of a call when no country file is used.
  std::string_view countryByPrefix(std::string_view call) const;

 private:
  using Values = std::set<std::string, std::less<>>;
  void addLine(std::string_view text, const std::string& file, int line);

  std::map<std::string, Values, std::less<>> byCountry_;
  Values all_;
};

}  // namespace crosscheck

#endif  // ZVK_CROSSCHECK_ALLOWED_VALUES_H_
