#include "cli/crosscheck_command.h"

#include <iostream>

#include "cli/crosscheck_options.h"
#include "cli/options.h"
#include "crosscheck/crosscheck.h"
#include "crosscheck/output_folder.h"
#include "crosscheck/write_results.h"
#include "host/progress.h"
#include "import/input_error.h"
#include "import/log_folder.h"
#include "pages/contest_pages.h"

namespace cli {
namespace {

enum ExitCode { kOk = 0, kUnreadableLog = 1, kBadUsage = 2, kCannotWrite = 3 };

int fail(ExitCode code, const std::string& message) {
  std::cerr << "zvk-score crosscheck: " << message << "\n";
  if (code == kBadUsage) std::cerr << kUsage;
  return code;
}

crosscheck::Request makeRequest(const CrosscheckOptions& options) {
  crosscheck::Request request;
  request.definition = options.contestFile.empty()
                           ? crosscheck::zvkCwDefinition()
                           : crosscheck::readContestDefinition(options.contestFile);
  if (options.from) request.definition.from = options.from;
  if (options.to) request.definition.to = options.to;
  if (!options.overridesFile.empty()) {
    request.overrides = crosscheck::readOverrides(options.overridesFile);
  }
  request.files = imports::listLogFiles(options.logs);
  return request;
}

// " 9120 ok, 0 not-contest, ...": the partner results only when a line has
// one, as only a contest that voids a QSO for both sides gives them.
std::string countsText(const std::size_t (&counts)[crosscheck::kResultCount]) {
  std::size_t partnerLines = 0;
  for (int r = 0; r < crosscheck::kResultCount; ++r) {
    if (crosscheck::isPartnerResult(static_cast<crosscheck::Result>(r))) partnerLines += counts[r];
  }
  std::string text;
  for (int r = 0; r < crosscheck::kResultCount; ++r) {
    const auto result = static_cast<crosscheck::Result>(r);
    if (crosscheck::isPartnerResult(result) && partnerLines == 0) continue;
    text += (r > 0 ? ", " : " ") + std::to_string(counts[r]) + " " + crosscheck::resultName(result);
  }
  return text;
}

// "57 logs checked (1 unreadable, 1 duplicate call), 10234 QSO lines: 9120 ok, ...".
std::string summary(const crosscheck::Results& results, const std::string& outDir) {
  std::size_t counts[crosscheck::kResultCount] = {};
  std::size_t lines = 0;
  for (const crosscheck::Entrant& entrant : results.entrants) {
    for (const crosscheck::LineResult& line : entrant.lines)
      ++counts[static_cast<int>(line.result)];
    lines += entrant.lines.size();
  }
  return std::to_string(results.entrants.size()) + " logs checked (" +
         std::to_string(results.unreadable.size()) + " unreadable, " +
         std::to_string(results.duplicateLogs.size()) + " duplicate calls), " +
         std::to_string(lines) + " QSO lines:" + countsText(counts) + "; written to " + outDir;
}

int check(const CrosscheckOptions& options) {
  crosscheck::Request request = makeRequest(options);
  host::Progress progress(request.files.size(), "Reading", "logs");
  request.onFileRead = [&progress] { progress.advance(); };
  crosscheck::Results results = crosscheckContest(request);
  for (const crosscheck::UnreadableLog& log : results.unreadable) {
    std::cerr << imports::describe({log.file, log.line, log.error}) << "\n";
  }
  crosscheck::writeResults(results, options.outDir, [&](const std::string& folder) {
    pages::writeContestPages(results, folder);
  });
  std::cout << summary(results, options.outDir) << "\n";
  return results.unreadable.empty() ? kOk : kUnreadableLog;
}

}  // namespace

int runCrosscheckCommand(const std::vector<std::string>& arguments) {
  try {
    CrosscheckOptions options = parseCrosscheckOptions(arguments);
    if (options.help) {
      std::cout << kUsage;
      return kOk;
    }
    return check(options);
  } catch (const UsageError& error) {
    return fail(kBadUsage, error.what());
  } catch (const crosscheck::DefinitionError& error) {
    return fail(kBadUsage, error.what());
  } catch (const crosscheck::OverrideError& error) {
    return fail(kBadUsage, error.what());
  } catch (const crosscheck::OutputError& error) {
    return fail(kCannotWrite, error.what());
  }
}

}  // namespace cli
