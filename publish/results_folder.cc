#include "publish/results_folder.h"

#include <atomic>
#include <filesystem>
#include <future>

#include "crosscheck/entrant_report.h"
#include "crosscheck/output_folder.h"
#include "crosscheck/results_csv.h"
#include "crosscheck/results_json.h"
#include "pages/contest_pages.h"

namespace publish {
namespace {

constexpr char kJsonFile[] = "results.json";
constexpr char kCsvFile[] = "results.csv";
constexpr char kReportsFolder[] = "reports";

// Each entrant's files, taken one entrant at a time by whichever thread is
// free; a failure on one thread stops the other at its next entrant.
class EntrantFiles {
 public:
  EntrantFiles(const crosscheck::Results& results, const std::string& dir)
      : results_(results), dir_(dir) {}

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
    const crosscheck::Entrant& entrant = results_.entrants[e];
    const crosscheck::EntrantReport report = crosscheck::entrantReport(results_, e);
    crosscheck::writeTextFile(dir_ + "/" + kReportsFolder + "/" + reportFileName(entrant),
                              crosscheck::reportText(report));
    crosscheck::writeTextFile(dir_ + "/" + pages::entrantPagePath(entrant),
                              pages::entrantPage(results_, e, report));
  }

  const crosscheck::Results& results_;
  const std::string& dir_;
  std::atomic<std::size_t> next_{0};
  std::atomic<bool> stopped_{false};
};

void makeFolder(const std::string& folder) {
  std::error_code error;
  std::filesystem::create_directory(folder, error);
  if (error) {
    throw crosscheck::OutputError(folder + ": cannot make the folder: " + error.message());
  }
}

// The JSON document, the largest single file, is written on this thread
// while a second starts on the entrants' files; this thread joins it after.
void fill(const crosscheck::Results& results, const std::string& dir) {
  makeFolder(dir + "/" + kReportsFolder);
  makeFolder(dir + "/" + pages::kEntrantPagesFolder);
  crosscheck::writeTextFile(dir + "/" + pages::kContestIndexPage, pages::contestIndexPage(results));
  EntrantFiles entrants(results, dir);
  std::future<void> second = std::async(std::launch::async, [&] { entrants.writeUntilDone(); });
  try {
    crosscheck::writeTextFile(dir + "/" + kJsonFile, [&](std::ostream& out) {
      crosscheck::writeResultsJson(results, out);
    });
    crosscheck::writeTextFile(dir + "/" + kCsvFile, [&](std::ostream& out) {
      crosscheck::writeResultsCsv(results, out);
    });
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

void writeResultsFolder(const crosscheck::Results& results, const std::string& dir) {
  crosscheck::writeFolderWhole(dir,
                               [&](const std::string& temporary) { fill(results, temporary); });
}

}  // namespace publish
