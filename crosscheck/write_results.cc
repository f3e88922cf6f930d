#include "crosscheck/write_results.h"

#include <atomic>
#include <future>

#include "crosscheck/results_csv.h"
#include "crosscheck/results_json.h"
#include "files/streamed_file.h"
#include "files/whole_file.h"
#include "files/whole_folder.h"

namespace crosscheck {
namespace {

constexpr char kJsonFile[] = "results.json";
constexpr char kCsvFile[] = "results.csv";
constexpr char kReportsFolder[] = "reports";

// Each entrant's files, taken one entrant at a time by whichever thread is
// free; a failure on one thread stops the other at its next entrant.
class EntrantFiles {
 public:
  EntrantFiles(const Results& results, const std::string& dir, const FolderAdditions& also,
               files::FileSystem& files)
      : results_(results), dir_(dir), also_(also), files_(files) {}

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
    files::writeFile(
        files_, dir_ + "/" + kReportsFolder + "/" + reportFileName(results_.entrants[e]), text);
    if (also_.perEntrant) also_.perEntrant(dir_, e, report);
  }

  const Results& results_;
  const std::string& dir_;
  const FolderAdditions& also_;
  files::FileSystem& files_;
  std::atomic<std::size_t> next_{0};
  std::atomic<bool> stopped_{false};
};

}  // namespace

std::string reportFileName(const Entrant& entrant) { return entrant.fileStem + ".txt"; }

void writeResults(const Results& results, const std::string& dir, const FolderAdditions& also,
                  files::FileSystem& files) {
  files::writeFolderWhole(files, dir, [&](const std::string& temporary) {
    files.makeFolders(temporary + "/" + kReportsFolder);
    if (also.whole) also.whole(temporary);
    // The JSON document, the largest single file, is written here while a
    // second thread starts on the entrants' files; this thread joins it after.
    EntrantFiles entrants(results, temporary, also, files);
    std::future<void> second = std::async(std::launch::async, [&] { entrants.writeUntilDone(); });
    try {
      files::writeStreamed(files, temporary + "/" + kJsonFile,
                           [&](std::ostream& out) { writeResultsJson(results, out); });
      files::writeStreamed(files, temporary + "/" + kCsvFile,
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
