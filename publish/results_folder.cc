#include "publish/results_folder.h"

#include <atomic>
#include <future>

#include "crosscheck/entrant_report.h"
#include "crosscheck/report_text.h"
#include "crosscheck/results_csv.h"
#include "crosscheck/results_json.h"
#include "files/streamed_file.h"
#include "files/whole_file.h"
#include "files/whole_folder.h"
#include "pages/contest_index.h"
#include "pages/contest_pages.h"
#include "pages/entrant_page.h"

namespace publish {
namespace {

constexpr char kJsonFile[] = "results.json";
constexpr char kCsvFile[] = "results.csv";
constexpr char kReportsFolder[] = "reports";

// Each entrant's files, taken one entrant at a time by whichever thread is
// free; a failure on one thread stops the other at its next entrant.
class EntrantFiles {
 public:
  EntrantFiles(const crosscheck::Results& results, const std::string& dir, files::FileSystem& files)
      : results_(results), dir_(dir), files_(files) {}

  void writeUntilDone() {
    crosscheck::EntrantReport report;
    try {
      for (std::size_t e = next_++; e < results_.entrants.size() && !stopped_; e = next_++) {
        write(e, &report);
      }
    } catch (...) {
      stopped_ = true;
      throw;
    }
  }

  void stop() { stopped_ = true; }

 private:
  void write(std::size_t e, crosscheck::EntrantReport* report) {
    const crosscheck::Entrant& entrant = results_.entrants[e];
    crosscheck::fillEntrantReport(results_, e, report);
    files::writeFile(files_, dir_ + "/" + kReportsFolder + "/" + reportFileName(entrant),
                     crosscheck::reportText(*report));
    files::writeFile(files_, dir_ + "/" + pages::entrantPagePath(entrant),
                     pages::entrantPage(results_, e, *report));
  }

  const crosscheck::Results& results_;
  const std::string& dir_;
  files::FileSystem& files_;
  std::atomic<std::size_t> next_{0};
  std::atomic<bool> stopped_{false};
};

// The JSON document, the largest single file, is written on this thread
// while a second starts on the entrants' files; this thread joins it after.
void fill(const crosscheck::Results& results, const std::string& dir, files::FileSystem& files) {
  files.makeFolders(dir + "/" + kReportsFolder);
  files.makeFolders(dir + "/" + pages::kEntrantPagesFolder);
  files::writeFile(files, dir + "/" + pages::kContestIndexPage, pages::contestIndexPage(results));
  EntrantFiles entrants(results, dir, files);
  std::future<void> second = std::async(std::launch::async, [&] { entrants.writeUntilDone(); });
  try {
    files::writeStreamed(files, dir + "/" + kJsonFile,
                         [&](std::ostream& out) { crosscheck::writeResultsJson(results, out); });
    files::writeStreamed(files, dir + "/" + kCsvFile,
                         [&](std::ostream& out) { crosscheck::writeResultsCsv(results, out); });
    entrants.writeUntilDone();
  } catch (...) {
    entrants.stop();
    second.wait();
    throw;
  }
  second.get();
}

}  // namespace

std::string reportFileName(const crosscheck::Entrant& entrant) { return entrant.fileStem + ".txt"; }

void writeResultsFolder(const crosscheck::Results& results, const std::string& dir,
                        files::FileSystem& files) {
  files::writeFolderWhole(files, dir,
                          [&](const std::string& temporary) { fill(results, temporary, files); });
}

}  // namespace publish
