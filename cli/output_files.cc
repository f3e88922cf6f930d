#include "cli/output_files.h"

namespace cli {

const char* const kSettingsFile = "Plugins/ZVK-CW.ini";

std::string ubnFileName(const COleDateTime& contestEnd) {
  return "StatsZVK_" + contestEnd.Format("%d_%m_%Y").str() + ".txt";
}

// The plug-in names the Cabrillo file after the contestant, with path
// separators made harmless and a fixed stem when nothing is left.
std::string cabrilloFileName(const std::string& contestant) {
  std::string stem = contestant;
  for (char& c : stem) {
    if (c == '/' || c == '\\') c = '_';
  }
  std::size_t first = stem.find_first_not_of(" \t\r\n");
  stem = first == std::string::npos
             ? std::string()
             : stem.substr(first, stem.find_last_not_of(" \t\r\n") - first + 1);
  return (stem.empty() ? std::string("VOXA") : stem) + ".cbr";
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

}  // namespace cli
