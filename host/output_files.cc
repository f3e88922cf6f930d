#include "host/output_files.h"

#include "cabrillo/cabrillo_texts.h"
#include "cabrillo/file_stem.h"
#include "log/statistics_reset.h"
#include "platform/posix/posix_env.h"

namespace host {

std::string settingsFileName() { return platform::nativePath(cabrillo::kSettingsFile); }

// The plug-in's own naming code, so that every file it writes is found.
std::string ubnFileName(const COleDateTime& contestEnd) {
  return statisticsFileName(contestEnd).str();
}

std::string cabrilloFileName(const std::string& contestant) {
  return cabrillo::cabrilloFileName(cabrillo::makeFileStem(CString(contestant))).str();
}

FileSnapshot::FileSnapshot(std::vector<std::string> names) : names_(std::move(names)) {
  for (const std::string& name : names_) before_.push_back(stateOf(name));
}

std::vector<std::string> FileSnapshot::written() const {
  std::vector<std::string> written;
  for (std::size_t i = 0; i < names_.size(); ++i) {
    State after = stateOf(names_[i]);
    if (after.exists && !(after == before_[i])) written.push_back(names_[i]);
  }
  return written;
}

bool FileSnapshot::State::operator==(const State& other) const {
  return exists == other.exists && modified == other.modified && size == other.size;
}

FileSnapshot::State FileSnapshot::stateOf(const std::string& name) {
  State state;
  std::error_code error;
  state.modified = std::filesystem::last_write_time(name, error);
  if (error) return state;
  state.exists = true;
  state.size = std::filesystem::file_size(name, error);
  return state;
}

}  // namespace host
