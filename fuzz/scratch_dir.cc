#include "fuzz/scratch_dir.h"

#include <stdlib.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "fuzz/check.h"

namespace scratch_dir {
namespace {

namespace fs = std::filesystem;

const char* const kPathFlags[] = {"-artifact_prefix=", "-exact_artifact_path=", "-dict="};

fs::path& privateFolder() {
  static fs::path folder;
  return folder;
}

void removePrivateFolder() {
  std::error_code ignored;
  fs::remove_all(privateFolder(), ignored);
}

std::string absoluteArgument(const std::string& argument) {
  if (argument.empty() || argument[0] != '-') return fs::absolute(argument).string();
  for (const char* flag : kPathFlags) {
    const std::string name(flag);
    if (argument.compare(0, name.size(), name) == 0) {
      std::string value = argument.substr(name.size());
      const bool folder = !value.empty() && value.back() == '/';
      return name + fs::absolute(value).string() + (folder ? "/" : "");
    }
  }
  return argument;
}

// Kept for the whole run: libFuzzer holds on to the rewritten argument vector.
void rewriteArguments(int* argc, char*** argv) {
  static std::vector<std::string> arguments;
  static std::vector<char*> pointers;
  arguments.assign(*argv, *argv + *argc);
  bool prefixGiven = false;
  for (std::size_t i = 1; i < arguments.size(); ++i) {
    prefixGiven = prefixGiven || arguments[i].compare(0, 17, "-artifact_prefix=") == 0;
    arguments[i] = absoluteArgument(arguments[i]);
  }
  if (!prefixGiven) arguments.push_back("-artifact_prefix=" + fs::current_path().string() + "/");
  for (std::string& argument : arguments) pointers.push_back(&argument[0]);
  pointers.push_back(nullptr);
  *argc = static_cast<int>(arguments.size());
  *argv = pointers.data();
}

}  // namespace

void enter(int* argc, char*** argv) {
  rewriteArguments(argc, argv);
  std::string pattern = (fs::temp_directory_path() / "zvk-fuzz-XXXXXX").string();
  require(mkdtemp(&pattern[0]) != nullptr, "cannot create the scratch folder");
  privateFolder() = pattern;
  fs::create_directory(privateFolder() / "work");
  fs::current_path(privateFolder() / "work");
  std::atexit(removePrivateFolder);
}

void clear() {
  for (const fs::directory_entry& entry : fs::directory_iterator(".")) fs::remove_all(entry.path());
}

bool nothingOutsideWork() {
  int entries = 0;
  for (const fs::directory_entry& entry : fs::directory_iterator(privateFolder())) {
    if (entry.path().filename() != "work") return false;
    ++entries;
  }
  return entries == 1;
}

}  // namespace scratch_dir
