#ifndef ZVK_FUZZ_CONTEST_MODEL_H_
#define ZVK_FUZZ_CONTEST_MODEL_H_

#include <cstdint>
#include <string>
#include <vector>

#include "log/qso_log.h"

// What the plug-in should hold, kept apart from it: the QSOs it stored and the
// bands worked since the last reset, and how far the statistics file has been
// checked. The checks stop the fuzzer when the plug-in disagrees.
class ContestModel {
 public:
  struct Qso {
    std::string call, band, mode, exchRcvd, exchSent, rstRcvd, rstSent, hostTextA, hostTextB;
    std::int32_t frequencyKHz = 0;
    COleDateTime time;
  };

  void reset(const std::string& ubnPath);
  void store(const Qso& qso);
  // After RemoveData0 for `asked`: the log equals the model, or the model less
  // one record of the same call, mode and band, which the model drops too.
  void followRemoval(const Qso& asked, const CQsoLog& log);

  void requireSameAs(const CQsoLog& log) const;
  // The summary's rows, totals and score, counted from the model.
  void requireSummary(const std::string& summary) const;
  // Every statistics line ends in CR LF with a known reason; the lines added
  // since the last check are one rejection (`stored` false) or DUPE lines.
  void requireStatisticsLines(bool stored);
  // When the Cabrillo file `<fileStem>.cbr` was written, it lies in the working
  // directory, every line ends in CR LF, it runs from START-OF-LOG to
  // END-OF-LOG and has one QSO line per stored QSO.
  void requireCabrilloFile(const std::string& fileStem) const;

  std::int32_t score() const;

 private:
  std::vector<Qso> qsos_;
  std::vector<std::string> workedBands_;
  std::string ubnPath_;
  std::size_t ubnChecked_ = 0;
};

#endif  // ZVK_FUZZ_CONTEST_MODEL_H_
