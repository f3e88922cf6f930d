#ifndef ZVK_PAGES_STATION_DETAILS_H_
#define ZVK_PAGES_STATION_DETAILS_H_

#include <string>
#include <vector>

#include "import/qso.h"

namespace pages {

struct DetailRow {
  std::string label;
  std::string value;  // may hold line breaks (a soapbox)
};

// The value of header lines `tag` ("SOAPBOX"): repeated lines are one value,
// a line each; empty ones are left out.
std::string headerValue(const std::vector<imports::HeaderValue>& header, const char* tag);

// The station as a log's Cabrillo header gives it: call, operators, every
// category, name, club, location and soapbox, the empty ones left out; none
// for a log without such header lines (ADIF, say).
std::vector<DetailRow> stationFromHeader(const imports::ImportedLog& log);

// The same from the plug-in's settings file `path` (for a log without a
// Cabrillo header); empty when the file holds none of them.
std::vector<DetailRow> stationFromSettings(const std::string& path);

}  // namespace pages

#endif  // ZVK_PAGES_STATION_DETAILS_H_
