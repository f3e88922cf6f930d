#include "cli/crosscheck_command.h"

#include <filesystem>
#include <iostream>

#include "cli/batch_memory.h"
#include "cli/crosscheck_options.h"
#include "cli/options.h"
#include "crosscheck/output_folder.h"
#include "errors/tool_error.h"
#include "host/progress.h"
#include "import/input_error.h"
#include "import/log_folder.h"
#include "pages/contest_run.h"

namespace cli {
namespace {

enum ExitCode { kOk = 0, kUnreadableLog = 1, kBadUsage = 2, kCannotWrite = 3 };

int fail(ExitCode code, const std::string& message) {
  std::cerr << "zvk-score crosscheck: " << message << "\n";
  return code;
}

// Only a command line that cannot be followed earns the usage text; a bad
// definition or overrides file is answered by its message alone.
int failUsage(const std::string& message) {
  fail(kBadUsage, message);
  std::cerr << kUsage;
  return kBadUsage;
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

int check(const CrosscheckOptions& options) {
  crosscheck::Request request = makeRequest(options);
  prepareMemoryForBatch(bytesOf(request.files));
  host::Progress progress(request.files.size(), "Reading", "logs");
  request.onFileRead = [&progress] { progress.advance(); };
  crosscheck::Results results = pages::checkAndPublish(request, options.outDir);
  for (const crosscheck::UnreadableLog& log : results.unreadable) {
    std::cerr << imports::describe({log.path, log.line, log.error}) << "\n";
  }
  std::cout << pages::describeRun(results, options.outDir) << "\n";
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
    return failUsage(error.what());
  } catch (const crosscheck::DefinitionError& error) {
    return fail(kBadUsage, error.what());
  } catch (const crosscheck::OverrideError& error) {
    return fail(kBadUsage, error.what());
  } catch (const crosscheck::OutputError& error) {
    return fail(kCannotWrite, error.what());
  } catch (const errors::ToolError& error) {
    return fail(static_cast<ExitCode>(errors::exitCodeOf(error.kind())), error.what());
  }
}

}  // namespace cli
