#include "robot/store_layout.h"

#include <filesystem>

#include "cabrillo/file_stem.h"

namespace robot {
namespace {

namespace fs = std::filesystem;

constexpr char kLogExtension[] = ".log";
constexpr char kSentExtension[] = ".sent.log";
constexpr char kHistoryDir[] = ".history";
constexpr char kScratchDir[] = ".incoming";
constexpr char kDatabase[] = ".submissions.sqlite";
constexpr char kOutbox[] = ".outbox.sqlite";
constexpr char kResultsDir[] = "results";
constexpr char kPreviewDir[] = ".results-preview";
constexpr char kOverridesFile[] = "overrides.txt";

// The folder that holds DIR.
fs::path besideLogs(const std::string& dir) {
  const fs::path logs = fs::absolute(dir).lexically_normal();
  return (logs.has_filename() ? logs : logs.parent_path()).parent_path();
}

}  // namespace

StoreLayout::StoreLayout(std::string dir) : dir_(std::move(dir)) {}

std::string StoreLayout::current(const std::string& call) const {
  const std::string stem = cabrillo::makeFileStem(CString(call)).GetString();
  return dir_ + "/" + stem + kLogExtension;
}

std::string StoreLayout::history(const std::string& receipt) const {
  return historyDir() + "/" + receipt + kLogExtension;
}

std::string StoreLayout::sentHistory(const std::string& receipt) const {
  return historyDir() + "/" + receipt + kSentExtension;
}

std::string StoreLayout::historyDir() const { return dir_ + "/" + kHistoryDir; }

std::string StoreLayout::scratchDir() const { return dir_ + "/" + kScratchDir; }

std::string StoreLayout::database() const { return dir_ + "/" + kDatabase; }

std::string StoreLayout::outbox() const { return dir_ + "/" + kOutbox; }

std::string StoreLayout::resultsDir() const { return (besideLogs(dir_) / kResultsDir).string(); }

std::string StoreLayout::previewDir() const { return (besideLogs(dir_) / kPreviewDir).string(); }

std::string StoreLayout::overridesFile() const {
  return (besideLogs(dir_) / kOverridesFile).string();
}

void StoreLayout::create(files::FileSystem& files) const {
  for (const std::string& folder : {dir_, historyDir(), scratchDir()}) files.makeFolders(folder);
}

}  // namespace robot
