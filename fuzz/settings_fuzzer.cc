// The settings file reader and writer on any file contents: a write changes
// the key's line or adds it (with its section), keeps every other byte, and
// the key reads back as written; a refused write leaves the file as it was.
#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <string>

#include "fuzz/check.h"
#include "fuzz/scratch_dir.h"
#include "fuzz/text_file.h"
#include "platform/env.h"
#include "platform/text.h"

namespace {

constexpr char kPath[] = "Plugins\\ZVK-CW.ini";
constexpr char kNativePath[] = "Plugins/ZVK-CW.ini";
constexpr char kAbsent[] = "(absent)";
const char* const kSections[] = {"Settings", "settings", "Other"};
const char* const kKeys[] = {"Claimed", "SoapBox", "Name", "name", "Operators"};

std::string read(const char* section, const char* key) {
  return platform::Env::current().readProfileString(section, key, kAbsent, kPath).str();
}

// A value reads back as written unless blanks around it or quotes are trimmed.
bool readsBackAsIs(const std::string& value) {
  if (value.empty()) return true;
  const bool blankAround =
      value.front() == ' ' || value.front() == '\t' || value.back() == ' ' || value.back() == '\t';
  const bool quoted = value.size() >= 2 && (value[0] == '"' || value[0] == '\'');
  return !blankAround && !quoted && value.find('\0') == std::string::npos;
}

// Every byte outside one line of `before` is kept: the bytes that differ lie
// within a single line, and at most two whole lines were added (after giving
// an open last line its line end).
bool keepsEveryOtherLine(const std::string& before, const std::string& after) {
  const std::size_t shorter = std::min(before.size(), after.size());
  std::size_t prefix = 0;
  while (prefix < shorter && before[prefix] == after[prefix]) ++prefix;
  std::size_t suffix = 0;
  while (suffix < shorter - prefix &&
         before[before.size() - 1 - suffix] == after[after.size() - 1 - suffix]) {
    ++suffix;
  }
  const std::string removed = before.substr(prefix, before.size() - suffix - prefix);
  const std::string added = after.substr(prefix, after.size() - suffix - prefix);
  const bool lastLineOpen = !before.empty() && before.back() != '\n';
  return std::count(removed.begin(), removed.end(), '\n') == 0 &&
         std::count(added.begin(), added.end(), '\n') <= (lastLineOpen ? 3 : 2);
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
  scratch_dir::enter(argc, argv);
  std::filesystem::create_directory("Plugins");
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  FuzzedDataProvider provider(data, size);
  const char* section = provider.PickValueInArray(kSections);
  const char* key = provider.PickValueInArray(kKeys);
  const char* otherSection = provider.PickValueInArray(kSections);
  const char* otherKey = provider.PickValueInArray(kKeys);
  const std::string value = provider.ConsumeRandomLengthString(200);
  const std::string before = provider.ConsumeRemainingBytesAsString();
  std::ofstream(kNativePath, std::ios::binary | std::ios::trunc) << before;

  const std::string otherBefore = read(otherSection, otherKey);
  const bool written =
      platform::Env::current().writeProfileString(section, key, value.c_str(), kPath);
  const std::string after = readTextFile(kNativePath);
  if (!written) {
    require(after == before, "a refused write changed the file");
    return 0;
  }
  require(keepsEveryOtherLine(before, after), "a write changed other lines");
  if (readsBackAsIs(value)) require(read(section, key) == value.c_str(), "key reads back wrong");
  const bool sameKey =
      platform::equalNoCase(section, otherSection) && platform::equalNoCase(key, otherKey);
  if (!sameKey) require(read(otherSection, otherKey) == otherBefore, "another key changed");
  return 0;
}
