#include "crosscheck/station_files.h"

#include "errors/tool_error.h"
#include "files/posix_file_system.h"

namespace crosscheck {
namespace {

countries::CountryFile readCountryFile(const std::string& path) {
  return countries::CountryFile::parse(files::defaultFileSystem().readWhole(path), path);
}

// For a multiplier of the worked station's country, zones or continent, or
// for points by relation.
bool needsCountryFile(const ContestDefinition& definition) {
  for (const MultiplierRule& rule : definition.multipliers) {
    if (rule.kind != MultiplierKind::kField && rule.kind != MultiplierKind::kWpxPrefix &&
        rule.kind != MultiplierKind::kCall) {
      return true;
    }
  }
  return !definition.relationPoints.empty();
}

}  // namespace

LoadedStationFiles::LoadedStationFiles(const ContestDefinition& definition,
                                       const std::string& countryFile) {
  if (needsCountryFile(definition)) {
    const std::string path = !countryFile.empty()              ? countryFile
                             : !definition.countryFile.empty() ? definition.countryFile
                                                               : countries::kDefaultCountryFile;
    countries_ = readCountryFile(path);
  }
}

StationFiles LoadedStationFiles::view() const { return {countries_ ? &*countries_ : nullptr}; }

}  // namespace crosscheck
