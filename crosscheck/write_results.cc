#include "crosscheck/write_results.h"

#include <filesystem>
#include <future>

#include "crosscheck/entrant_report.h"
#include "crosscheck/output_folder.h"
#include "crosscheck/results_csv.h"
#include "crosscheck/results_json.h"

namespace crosscheck {
namespace {

constexpr char kJsonFile[] = "results.json";
constexpr char kCsvFile[] = "results.csv";
constexpr char kReportsFolder[] = "reports";

void writeReports(const Results& results, const std::string& dir) {
  const std::string folder = dir + "/" + kReportsFolder;
  std::error_code error;
  std::filesystem::create_directory(folder, error);
  if (error) throw OutputError(folder + ": cannot make the folder: " + error.message());
  for (std::size_t e = 0; e < results.entrants.size(); ++e) {
    const std::string text = reportText(entrantReport(results, e));
    writeTextFile(folder + "/" + reportFileName(results.entrants[e]),
                  [&](std::ostream& out) { out << text; });
  }
}

}  // namespace

std::string reportFileName(const Entrant& entrant) { return entrant.fileStem + ".txt"; }

void writeResults(const Results& results, const std::string& dir, const FolderWriter& alsoWrite) {
  writeFolderWhole(dir, [&](const std::string& temporary) {
    // The reports and whatever the caller adds are many small files:
    // written on a second thread while the JSON, the largest file, is
    // written here.
    std::future<void> reports = std::async(std::launch::async, [&] {
      writeReports(results, temporary);
      if (alsoWrite) alsoWrite(temporary);
    });
    try {
      writeTextFile(temporary + "/" + kJsonFile,
                    [&](std::ostream& out) { writeResultsJson(results, out); });
      writeTextFile(temporary + "/" + kCsvFile,
                    [&](std::ostream& out) { writeResultsCsv(results, out); });
    } catch (...) {
      reports.wait();
      throw;
    }
    reports.get();
  });
}

}  // namespace crosscheck
