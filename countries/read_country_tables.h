#ifndef ZVK_COUNTRIES_READ_COUNTRY_TABLES_H_
#define ZVK_COUNTRIES_READ_COUNTRY_TABLES_H_

#include <memory>
#include <string>
#include <string_view>

#include "countries/country_tables.h"

namespace countries {

// Reads the text of a country file: for each entity a line
// "Name: CQ: ITU: continent: latitude: longitude: UTC offset: prefix:", then its prefixes and
// exact calls, comma-separated over indented lines, ended by ';'. Throws errors::ToolError
// (kBadInput) naming the file, the line and the field at fault.
std::shared_ptr<const CountryTables> readCountryTables(std::string_view text,
                                                       const std::string& fileName);

}  // namespace countries

#endif  // ZVK_COUNTRIES_READ_COUNTRY_TABLES_H_
