#include "cli/contest_setup.h"

#include "cli/options.h"

namespace cli {
namespace {

using host::ContestSetup;
using imports::ImportedLog;
using imports::Qso;

std::string firstOwnCall(const std::vector<imports::ImportedLog>& logs) {
  for (const imports::ImportedLog& log : logs) {
    if (!log.ownCall.empty()) return log.ownCall;
  }
  failUsage("the logs name no own call sign: give --call");
}

// The earliest and latest QSO times: logs need not be in time order.
void takePeriodFromQsos(const std::vector<imports::ImportedLog>& logs, host::ContestSetup* setup) {
  bool any = false;
  for (const imports::ImportedLog& log : logs) {
    for (const imports::Qso& qso : log.qsos) {
      if (!any || qso.time.m_dt < setup->start.m_dt) setup->start = qso.time;
      if (!any || qso.time.m_dt > setup->end.m_dt) setup->end = qso.time;
      any = true;
    }
  }
  if (!any) failUsage("the logs hold no QSO to take the contest period from: give --from and --to");
}

}  // namespace

host::ContestSetup contestSetup(const ScoreOptions& options,
                                const std::vector<imports::ImportedLog>& logs) {
  host::ContestSetup setup;
  setup.contestant = options.call.empty() ? firstOwnCall(logs) : options.call;
  setup.cabrillo = options.cabrillo;
  if (!options.from || !options.to) takePeriodFromQsos(logs, &setup);
  if (options.from) setup.start = imports::toOleDate(*options.from);
  if (options.to) setup.end = imports::toOleDate(*options.to);
  return setup;
}

}  // namespace cli
