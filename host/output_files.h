#ifndef ZVK_HOST_OUTPUT_FILES_H_
#define ZVK_HOST_OUTPUT_FILES_H_

#include <filesystem>
#include <string>
#include <vector>

#include "platform/ole_date_time.h"

namespace host {

// Names of the files the plug-in writes in its working folder.
std::string ubnFileName(const COleDateTime& contestEnd);
std::string cabrilloFileName(const std::string& contestant);
// The station settings file as this system names it.
std::string settingsFileName();

// Which of a few files an evaluation wrote: they are compared before and after,
// since the plug-in reports no file of its own.
class FileSnapshot {
 public:
  explicit FileSnapshot(std::vector<std::string> names);
  // The names that appeared or changed since the snapshot, in the given order.
  std::vector<std::string> written() const;

 private:
  struct State {
    bool exists = false;
    std::filesystem::file_time_type modified;
    std::uintmax_t size = 0;
    bool operator==(const State& other) const;
  };
  static State stateOf(const std::string& name);

  std::vector<std::string> names_;
  std::vector<State> before_;
};

}  // namespace host

#endif  // ZVK_HOST_OUTPUT_FILES_H_
