#include "crosscheck/write_results.h"

#include <atomic>
#include <filesystem>
#include <future>

#include "crosscheck/output_folder.h"
#include "crosscheck/results_csv.h"
#include "crosscheck/results_json.h"

namespace crosscheck {
namespace {

constexpr char kJsonFile[] = "results.json";
constexpr char kCsvFile[] = "results.csv";
constexpr char kReportsFolder[] = "reports";

// Each entrant's files, taken one entrant at a time by whichever thread is
// free; a failure on one thread stops the other at its next entrant.
class EntrantFiles {
 public:
  EntrantFiles(const Results& results, const std::string& dir, const FolderAdditions& also)
      : results_(results), dir_(dir), also_(also) {}

  void writeUntilDone() {
    try {
      for (std::size_t e = next_++; e < results_.entrants.size() && !stopped_; e = next_++) {
        write(e);
      }
    } catch (...) {
      stopped_ = true;
      throw;
    }
  }

  void stop() { stopped_ = true; }

 private:
  void write(std::size_t e) {
    const EntrantReport report = entrantReport(results_, e);
    const std::string text = reportText(report);
    writeTextFile(dir_ + "/" + kReportsFolder + "/" + reportFileName(results_.entrants[e]), text);
    if (also_.perEntrant) also_.perEntrant(dir_, e, report);
  }

  const Results& results_;
  const std::string& dir_;
  const FolderAdditions& also_;
  std::atomic<std::size_t> next_{0};
  std::atomic<bool> stopped_{false};
};

void makeFolder(const std::string& folder) {
  std::error_code error;
  std::filesystem::create_directory(folder, error);
  if (error) throw OutputError(folder + ": cannot make the folder: " + error.message());
}

}  // namespace

std::string reportFileName(const Entrant& entrant) { return entrant.fileStem + ".txt"; }

void writeResults(const Results& results, const std::string& dir, const FolderAdditions& also) {
  writeFolderWhole(dir, [&](const std::string& temporary) {
    makeFolder(temporary + "/" + kReportsFolder);
    if (also.whole) also.whole(temporary);
    // The JSON document, the largest single file, is written here while a
    // second thread starts on the entrants' files; this thread joins it after.
    EntrantFiles entrants(results, temporary, also);
    std::future<void> second = std::async(std::launch::async, [&] { entrants.writeUntilDone(); });
    try {
      writeTextFile(temporary + "/" + kJsonFile,
                    [&](std::ostream& out) { writeResultsJson(results, out); });
      writeTextFile(temporary + "/" + kCsvFile,
                    [&](std::ostream& out) { writeResultsCsv(results, out); });
      entrants.writeUntilDone();
    } catch (...) {
      entrants.stop();
      second.wait();
      throw;
    }
    second.get();
  });
}

}  // namespace crosscheck
