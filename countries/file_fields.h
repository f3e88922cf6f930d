#ifndef ZVK_COUNTRIES_FILE_FIELDS_H_
#define ZVK_COUNTRIES_FILE_FIELDS_H_

#include <string>
#include <string_view>

namespace countries {

// Where in the country file a field is read, for the errors.
struct FilePlace {
  const std::string& file;
  int line = 0;
};

// The zone and continent fields of the country file, as an entity's header gives them and
// as an entry's overrides change them. Each throws errors::ToolError (kBadInput) naming the
// field when the text is not a valid value.
int readCqZone(std::string_view text, const FilePlace& place);
int readItuZone(std::string_view text, const FilePlace& place);
std::string readContinent(std::string_view text, const FilePlace& place);

}  // namespace countries

#endif  // ZVK_COUNTRIES_FILE_FIELDS_H_
