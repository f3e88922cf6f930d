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

}  // namespace

LoadedStationFiles::LoadedStationFiles(const ContestDefinition& definition,
                                       const std::string& countryFile) {
  const bool named = !countryFile.empty() || !definition.countryFile.empty();
  if (needsCountryFile(definition) || (named && !definition.multipliers.empty())) {
    const std::string path = !countryFile.empty()              ? countryFile
                             : !definition.countryFile.empty() ? definition.countryFile
                                                               : countries::kDefaultCountryFile;
    countries_ = readCountryFile(path);
  }
  if (!definition.multiplierValues.empty() && !definition.multipliers.empty()) {
    multiplierValues_ = AllowedValues::read(definition.multiplierValues);
  }
}

StationFiles LoadedStationFiles::view() const {
  return {countries_ ? &*countries_ : nullptr, multiplierValues_ ? &*multiplierValues_ : nullptr};
}

}  // namespace crosscheck
