// The plug-in's exports on generated contest logs, each beside the same work
// done by plain whole-log scans (ScanModel). Every benchmark reports the CPU
// time per QSO or per call.
#include <benchmark/benchmark.h>

#include <map>
#include <utility>
#include <vector>

#include "bench/contest_log.h"
#include "bench/counting_allocator.h"
#include "bench/plugin_calls.h"
#include "bench/scan_model.h"

namespace {

const char* const kRuleBands[] = {"80m", "80m", "40m", "20m", "15m", "10m"};
const char* const kRuleModes[] = {"CW"};
constexpr char kScanUbnPath[] = "ScanZVK_27_11_2016.txt";
constexpr int kChecksPerIteration = 1000;
constexpr std::size_t kRemovesPerIteration = 100;
constexpr char kPerQso[] = "time_per_qso";
constexpr char kPerCall[] = "time_per_call";

const std::vector<QsoFields>& generatedLog(benchmark::State& state) {
  static std::map<int, std::vector<QsoFields>> logs;
  const int count = static_cast<int>(state.range(0));
  auto found = logs.find(count);
  if (found == logs.end()) found = logs.emplace(count, contest_log::generate(count)).first;
  return found->second;
}

ScanModel& scanModel() {
  static const CContestRules bands(kRuleBands, 6);
  static const CContestRules modes(kRuleModes, 1);
  static ScanModel model(bands, modes);
  return model;
}

// Counter `name`: CPU seconds per unit of work (QSO or call), given the units
// of one iteration. CPU time keeps the figures steady on a busy machine.
void reportPerUnit(benchmark::State& state, const char* name, double unitsPerIteration) {
  state.counters[name] =
      benchmark::Counter(static_cast<double>(state.iterations()) * unitsPerIteration,
                         benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}

int loadPlugin(const std::vector<QsoFields>& qsos, int makeCabrillo) {
  plugin_calls::reset(makeCabrillo);
  int stored = 0;
  for (const QsoFields& qso : qsos) stored += plugin_calls::add(qso);
  return stored;
}

void loadScanModel(const std::vector<QsoFields>& qsos) {
  platform::Env& env = platform::Env::current();
  scanModel().reset(kScanUbnPath, env);
  for (const QsoFields& qso : qsos) scanModel().add(qso, env);
}

double bytesPerStoredQso(const std::vector<QsoFields>& qsos) {
  plugin_calls::reset(0);
  const std::size_t before = liveHeapBytes();
  const int stored = loadPlugin(qsos, 0);
  return static_cast<double>(liveHeapBytes() - before) / stored;
}

void BM_Rebuild(benchmark::State& state) {
  const std::vector<QsoFields>& qsos = generatedLog(state);
  for (auto _ : state) {
    loadPlugin(qsos, 0);
    benchmark::DoNotOptimize(plugin_calls::result());
  }
  reportPerUnit(state, kPerQso, static_cast<double>(qsos.size()));
  state.counters["bytes_per_qso"] = bytesPerStoredQso(qsos);
}

void BM_RebuildScan(benchmark::State& state) {
  const std::vector<QsoFields>& qsos = generatedLog(state);
  const CString from("26.11"), to("27.11.2016"), contestant(contest_log::kContestant);
  for (auto _ : state) {
    loadScanModel(qsos);
    benchmark::DoNotOptimize(scanModel().result({from, to, contestant}));
  }
  reportPerUnit(state, kPerQso, static_cast<double>(qsos.size()));
}

// Calls of stored QSOs, each asked on its band, or calls that are in no log.
std::vector<std::pair<CString, CString>> checkQueries(const std::vector<QsoFields>& qsos,
                                                      bool inLog) {
  const std::vector<QsoFields> stored = contest_log::accepted(qsos);
  std::vector<std::pair<CString, CString>> queries;
  for (int i = 0; i < kChecksPerIteration; ++i) {
    const QsoFields& qso = stored[static_cast<std::size_t>(i) * 7919 % stored.size()];
    queries.emplace_back(inLog ? qso.call : contest_log::unknownCall(i), qso.band);
  }
  return queries;
}

void BM_CheckCall(benchmark::State& state) {
  const std::vector<QsoFields>& qsos = generatedLog(state);
  loadPlugin(qsos, 0);
  const auto queries = checkQueries(qsos, state.range(1) != 0);
  char exchOut[50];
  for (auto _ : state) {
    for (const auto& [call, band] : queries) {
      benchmark::DoNotOptimize(plugin_calls::check(call, band, exchOut));
    }
  }
  reportPerUnit(state, kPerCall, kChecksPerIteration);
}

// Removes a batch of QSOs from the middle of the log, one after the other, and
// adds them back at the end untimed. That turns the second half of the log
// round, so every batch finds the next QSOs of the first order in the middle.
template <class Remove, class Add>
void removeFromTheMiddle(benchmark::State& state, const std::vector<QsoFields>& stored,
                         Remove remove, Add add) {
  const std::size_t middle = stored.size() / 2;
  const std::size_t secondHalf = stored.size() - middle;
  std::size_t turn = 0;
  auto batchQso = [&](std::size_t i) -> const QsoFields& {
    return stored[middle + (turn + i) % secondHalf];
  };
  for (auto _ : state) {
    for (std::size_t i = 0; i < kRemovesPerIteration; ++i) remove(batchQso(i));
    state.PauseTiming();
    for (std::size_t i = 0; i < kRemovesPerIteration; ++i) add(batchQso(i));
    turn = (turn + kRemovesPerIteration) % secondHalf;
    state.ResumeTiming();
  }
  reportPerUnit(state, kPerCall, kRemovesPerIteration);
}

void BM_Remove(benchmark::State& state) {
  const std::vector<QsoFields>& qsos = generatedLog(state);
  loadPlugin(qsos, 0);
  removeFromTheMiddle(state, contest_log::accepted(qsos), plugin_calls::remove, plugin_calls::add);
}

void BM_RemoveScan(benchmark::State& state) {
  const std::vector<QsoFields>& qsos = generatedLog(state);
  loadScanModel(qsos);
  platform::Env& env = platform::Env::current();
  removeFromTheMiddle(
      state, contest_log::accepted(qsos), [](const QsoFields& qso) { scanModel().remove(qso); },
      [&](const QsoFields& qso) { scanModel().add(qso, env); });
}

void BM_ResultCabrillo(benchmark::State& state) {
  loadPlugin(generatedLog(state), 1);
  for (auto _ : state) benchmark::DoNotOptimize(plugin_calls::result());
  reportPerUnit(state, kPerCall, 1);
}

}  // namespace

BENCHMARK(BM_Rebuild)
    ->ArgName("N")
    ->Arg(1000)
    ->Arg(10000)
    ->Arg(100000)

    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RebuildScan)
    ->ArgName("N")
    ->Arg(1000)
    ->Arg(10000)

    ->Unit(benchmark::kMillisecond);
// One run at 100 000 takes the scans tens of seconds.
BENCHMARK(BM_RebuildScan)
    ->ArgName("N")
    ->Arg(100000)
    ->Iterations(1)

    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_CheckCall)
    ->ArgNames({"N", "in_log"})
    ->ArgsProduct({{1000, 10000, 100000}, {1, 0}})

    ->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Remove)->ArgName("N")->Arg(1000)->Arg(10000)->Arg(100000)->Unit(
    benchmark::kMicrosecond);
BENCHMARK(BM_RemoveScan)
    ->ArgName("N")
    ->Arg(1000)
    ->Arg(10000)
    ->Arg(100000)
    ->Iterations(5)

    ->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_ResultCabrillo)
    ->ArgName("N")
    ->Arg(100000)

    ->Unit(benchmark::kMillisecond);
