#ifndef ZVK_CROSSCHECK_STATION_FILES_H_
#define ZVK_CROSSCHECK_STATION_FILES_H_

#include <optional>
#include <string>

#include "countries/country_file.h"
#include "crosscheck/contest_definition.h"
#include "crosscheck/qso_facts.h"

namespace crosscheck {

// The country file a definition reads, loaded only when it is used.
class LoadedStationFiles {
 public:
  // `countryFile`: the command line's choice; empty: the definition's, else
  // the program's default. Throws errors::ToolError for a file that cannot
  // be read or is not what it should be.
  LoadedStationFiles(const ContestDefinition& definition, const std::string& countryFile);

  StationFiles view() const;

 private:
  std::optional<countries::CountryFile> countries_;
};

}  // namespace crosscheck

#endif  // ZVK_CROSSCHECK_STATION_FILES_H_
