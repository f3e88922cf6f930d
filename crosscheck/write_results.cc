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
    // The JSON document, the largest share, is written here while a second
    // thread writes what the caller adds (the pages) and the reports.
    std::future<void> more = std::async(std::launch::async, [&] {
      if (alsoWrite) alsoWrite(temporary);
      writeReports(results, temporary);
    });
    try {
      writeTextFile(temporary + "/" + kJsonFile,
                    [&](std::ostream& out) { writeResultsJson(results, out); });
      writeTextFile(temporary + "/" + kCsvFile,
                    [&](std::ostream& out) { writeResultsCsv(results, out); });
    } catch (...) {
      more.wait();
      throw;
    }
    more.get();
  });
}

}  // namespace crosscheck
