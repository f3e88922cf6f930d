#ifndef ZVK_TESTS_CABRILLO_PROGRAM_FILES_ENV_H_
#define ZVK_TESTS_CABRILLO_PROGRAM_FILES_ENV_H_

#include <cstdint>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "tests/support/fake_env.h"

namespace testing_support {

// A FakeEnv whose directory search returns a scripted list of names and whose
// program files carry scripted version words.
class ProgramFilesEnv : public FakeEnv {
 public:
  std::vector<CString> findFiles(const char* pattern) override {
    patterns.emplace_back(pattern);
    return files;
  }
  bool readFileVersion(const char* path, std::uint32_t* versionMs,
                       std::uint32_t* versionLs) override {
    versionReads.emplace_back(path);
    auto found = versions.find(path);
    if (found == versions.end()) return false;
    *versionMs = found->second.first;
    *versionLs = found->second.second;
    return true;
  }

  std::vector<CString> files;
  std::map<std::string, std::pair<std::uint32_t, std::uint32_t>> versions;
  std::vector<std::string> patterns;
  std::vector<std::string> versionReads;
};

}  // namespace testing_support

#endif  // ZVK_TESTS_CABRILLO_PROGRAM_FILES_ENV_H_
