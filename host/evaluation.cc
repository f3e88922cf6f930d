#include "host/evaluation.h"

#include "host/output_files.h"
#include "host/progress.h"

namespace host {
namespace {

std::size_t qsoCount(const std::vector<imports::ImportedLog>& logs) {
  std::size_t count = 0;
  for (const imports::ImportedLog& log : logs) count += log.qsos.size();
  return count;
}

}  // namespace

void loadLogs(PluginLibrary& plugin, const ContestSetup& setup,
              const std::vector<imports::ImportedLog>& logs) {
  plugin.resetStats(setup.cabrillo, setup.contestant, setup.start, setup.end);
  Progress progress(qsoCount(logs));
  for (const imports::ImportedLog& log : logs) {
    for (const imports::Qso& qso : log.qsos) {
      plugin.addData(qso, qso.myCall.empty() ? setup.contestant : qso.myCall);
      progress.advance();
    }
  }
}

Evaluation evaluate(PluginLibrary& plugin, const ContestSetup& setup,
                    const std::vector<imports::ImportedLog>& logs) {
  Evaluation evaluation;
  evaluation.ubnFile = ubnFileName(setup.end);
  std::vector<std::string> candidates = {evaluation.ubnFile, settingsFileName()};
  if (setup.cabrillo) candidates.push_back(cabrilloFileName(setup.contestant));
  FileSnapshot snapshot(candidates);
  loadLogs(plugin, setup, logs);
  evaluation.summary = plugin.getResult();
  evaluation.filesWritten = snapshot.written();
  return evaluation;
}

}  // namespace host
