#ifndef ZVK_IMPORT_CABRILLO_STATIONS_H_
#define ZVK_IMPORT_CABRILLO_STATIONS_H_

#include <string>
#include <string_view>
#include <vector>

namespace imports {

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

// What a field after a call holds: a signal report or part of the exchange.
enum class FieldRole { kReport, kExchange };

// The shape of a contest's QSO lines: how many fields follow the call in
// each station's half. Two are a report and an exchange; with more, the
// exchange spans the fields after the report; one is the exchange alone.
// When `fields` is given, it names each field instead, one token each, and
// the halves are found by their calls.
struct CabrilloLayout {
  int exchangeFields = 2;
  std::vector<FieldRole> fields = {};
};

// Stands for an exchange field a line leaves out, so the fields after it
// keep their places.
constexpr char kMissingField[] = "-";

// Splits the tokens after a QSO line's time into the sending station's
// columns and the worked station's. Both halves are taken to have the same
// shape, with an optional trailing transmitter id. Where an empty field
// leaves them unequal, the worked call is the call-like token, preferably
// followed by a report, where the layout lets it stand; and a lone field
// after a call that is no report is the exchange (and both are, when both
// halves hold a lone field: a logger leaves out the same column in both).
// `ownCall`, the log's own call when known, is never taken for the worked one.
StationPair splitStations(const std::vector<std::string_view>& tokens,
                          const CabrilloLayout& layout = {}, std::string_view ownCall = {});

}  // namespace imports

#endif  // ZVK_IMPORT_CABRILLO_STATIONS_H_
