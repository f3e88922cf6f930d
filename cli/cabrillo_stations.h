#ifndef ZVK_CLI_CABRILLO_STATIONS_H_
#define ZVK_CLI_CABRILLO_STATIONS_H_

#include <string>
#include <string_view>
#include <vector>

namespace cli {

// One station's columns of a Cabrillo QSO line.
struct StationColumns {
  std::string call;
  std::string rst;
  std::string exchange;  // the tokens after the report, joined by a blank
};

struct StationPair {
  StationColumns mine;
  StationColumns theirs;
};

// Splits the tokens after a QSO line's time into the sending station's
// columns and the worked station's. Contests differ in the number of
// exchange tokens, so both halves are taken to have the same shape, with an
// optional trailing transmitter id; where a missing exchange leaves the
// halves unequal, the worked call is the first call-like token followed by
// a report.
StationPair splitStations(const std::vector<std::string_view>& tokens);

}  // namespace cli

#endif  // ZVK_CLI_CABRILLO_STATIONS_H_
