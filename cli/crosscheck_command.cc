#include "cli/crosscheck_command.h"

#include <filesystem>
#include <iostream>

#include "cli/batch_memory.h"
#include "cli/crosscheck_options.h"
#include "cli/run_command.h"
#include "errors/tool_error.h"
#include "host/progress.h"
#include "import/log_folder.h"
#include "publish/publish_contest.h"
#include "publish/run_description.h"

namespace cli {
namespace {

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
  request.countryFile = options.countryFile;
  request.files = imports::listLogFiles(options.logs);
  return request;
}

// The logs' bytes, as far as their sizes can be read: a missing file is
// reported when it is read.
std::size_t bytesOf(const std::vector<std::string>& files) {
  std::size_t total = 0;
  for (const std::string& file : files) {
    std::error_code error;
    const std::uintmax_t size = std::filesystem::file_size(file, error);
    if (!error) total += static_cast<std::size_t>(size);
  }
  return total;
}

// A log that cannot be read is listed and the others are still checked; the
// exit code says so.
int check(const CrosscheckOptions& options) {
  crosscheck::Request request = makeRequest(options);
  prepareMemoryForBatch(bytesOf(request.files));
  host::Progress progress(request.files.size(), "Reading", "logs");
  request.onFileRead = [&progress] { progress.advance(); };
  crosscheck::Results results = publish::publishContest(request, options.outDir);
  for (const crosscheck::UnreadableLog& log : results.unreadable) {
    std::cerr << errors::describe({log.path, log.line, {}}, log.error) << "\n";
  }
  std::cout << publish::describeRun(results, options.outDir) << "\n";
  return results.unreadable.empty() ? 0 : errors::exitCodeOf(errors::ErrorKind::kBadInput);
}

}  // namespace

int runCrosscheckCommand(const std::vector<std::string>& arguments) {
  return runCommand("zvk-score crosscheck", crosscheckCommand(), crosscheckCommand().help(),
                    arguments, check);
}

}  // namespace cli
