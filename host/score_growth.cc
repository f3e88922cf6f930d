#include "host/score_growth.h"

#include <algorithm>
#include <filesystem>
#include <stdexcept>

#include "errors/tool_error.h"
#include "files/posix_file_system.h"
#include "host/summary_text.h"
#include "import/utc_time.h"

namespace host {
namespace {

namespace fs = std::filesystem;

// A fresh folder, entered for the lifetime of the object, then left and removed.
class ScratchFolder {
 public:
  ScratchFolder()
      : previous_(fs::current_path()),
        path_(files_.makeUniqueFolder((fs::temp_directory_path() / "zvk-score-").string(),
                                      files::FolderAccess::kPrivate)) {
    files_.makeFolders(path_ + "/Plugins");
    fs::current_path(path_);
  }
  ~ScratchFolder() {
    std::error_code ignored;
    fs::current_path(previous_, ignored);
    try {
      files_.removeAll(path_);
    } catch (const errors::ToolError&) {
      // A scratch folder left in the temporary folder harms no result.
    }
  }
  ScratchFolder(const ScratchFolder&) = delete;
  ScratchFolder& operator=(const ScratchFolder&) = delete;

 private:
  files::FileSystem& files_ = files::defaultFileSystem();
  fs::path previous_;
  std::string path_;
};

struct HandedQso {
  const imports::Qso* qso;
  std::string myCall;
};

std::vector<HandedQso> inTimeOrder(const std::vector<imports::ImportedLog>& logs,
                                   const std::string& contestant) {
  std::vector<HandedQso> qsos;
  for (const imports::ImportedLog& log : logs) {
    for (const imports::Qso& qso : log.qsos)
      qsos.push_back({&qso, qso.myCall.empty() ? contestant : qso.myCall});
  }
  std::stable_sort(qsos.begin(), qsos.end(), [](const HandedQso& a, const HandedQso& b) {
    return a.qso->time.m_dt < b.qso->time.m_dt;
  });
  return qsos;
}

long claimedScore(PluginLibrary& plugin) {
  std::optional<Summary> summary = parseSummary(plugin.getResult());
  if (!summary) throw std::runtime_error("the plug-in's result text has an unexpected layout");
  return summary->claimedScore;
}

}  // namespace

std::vector<long> scoreAfterEachHour(PluginLibrary& plugin, const ContestSetup& setup,
                                     const std::vector<imports::ImportedLog>& logs,
                                     std::int64_t firstHour, std::int64_t lastHour) {
  ScratchFolder scratch;
  plugin.resetStats(false, setup.contestant, setup.start, setup.end);
  std::vector<HandedQso> qsos = inTimeOrder(logs, setup.contestant);
  std::vector<long> scores;
  std::size_t next = 0;
  for (std::int64_t hour = firstHour; hour <= lastHour; ++hour) {
    for (; next < qsos.size() && imports::hourOf(imports::minuteOf(qsos[next].qso->time)) <= hour;
         ++next) {
      plugin.addData(*qsos[next].qso, qsos[next].myCall);
    }
    scores.push_back(claimedScore(plugin));
  }
  return scores;
}

}  // namespace host
