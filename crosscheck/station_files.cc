#include "crosscheck/station_files.h"

#include <cerrno>
#include <cstring>

#include "errors/tool_error.h"
#include "platform/posix/file_io.h"

namespace crosscheck {
namespace {

countries::CountryFile readCountryFile(const std::string& path) {
  std::string text;
  errno = 0;
  if (!platform::readWholeFile(path, &text)) {
    throw errors::ToolError(errors::ErrorKind::kIo, {path, 0, "country file"},
                            errno ? std::strerror(errno) : "not a regular file");
  }
  return countries::CountryFile::parse(text, path);
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
