#include "cli/evaluation.h"

#include "cli/output_files.h"
#include "cli/progress.h"

namespace cli {
namespace {

std::string firstOwnCall(const std::vector<ImportedLog>& logs) {
  for (const ImportedLog& log : logs) {
    if (!log.ownCall.empty()) return log.ownCall;
  }
  throw UsageError("the logs name no own call sign: give --call");
}

// The earliest and latest QSO times: logs need not be in time order.
void takePeriodFromQsos(const std::vector<ImportedLog>& logs, ContestSetup* setup) {
  bool any = false;
  for (const ImportedLog& log : logs) {
    for (const Qso& qso : log.qsos) {
      if (!any || qso.time.m_dt < setup->start.m_dt) setup->start = qso.time;
      if (!any || qso.time.m_dt > setup->end.m_dt) setup->end = qso.time;
      any = true;
    }
  }
  if (!any)
    throw UsageError("the logs hold no QSO to take the contest period from: give --from and --to");
}

std::size_t qsoCount(const std::vector<ImportedLog>& logs) {
  std::size_t count = 0;
  for (const ImportedLog& log : logs) count += log.qsos.size();
  return count;
}

}  // namespace

ContestSetup contestSetup(const Options& options, const std::vector<ImportedLog>& logs) {
  ContestSetup setup;
  setup.contestant = options.call.empty() ? firstOwnCall(logs) : options.call;
  setup.cabrillo = options.cabrillo;
  if (!options.from || !options.to) takePeriodFromQsos(logs, &setup);
  if (options.from) setup.start = toOleDate(*options.from);
  if (options.to) setup.end = toOleDate(*options.to);
  return setup;
}

void loadLogs(PluginLibrary& plugin, const ContestSetup& setup,
              const std::vector<ImportedLog>& logs) {
  plugin.resetStats(setup.cabrillo, setup.contestant, setup.start, setup.end);
  Progress progress(qsoCount(logs));
  for (const ImportedLog& log : logs) {
    for (const Qso& qso : log.qsos) {
      plugin.addData(qso, qso.myCall.empty() ? setup.contestant : qso.myCall);
      progress.advance();
    }
  }
}

Evaluation evaluate(PluginLibrary& plugin, const ContestSetup& setup,
                    const std::vector<ImportedLog>& logs) {
  Evaluation evaluation;
  evaluation.ubnFile = ubnFileName(setup.end);
  std::vector<std::string> candidates = {evaluation.ubnFile, kSettingsFile};
  if (setup.cabrillo) candidates.push_back(cabrilloFileName(setup.contestant));
  FileSnapshot snapshot(candidates);
  loadLogs(plugin, setup, logs);
  evaluation.summary = plugin.getResult();
  evaluation.filesWritten = snapshot.written();
  return evaluation;
}

}  // namespace cli
