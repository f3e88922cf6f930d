#ifndef ZVK_CLI_QSO_H_
#define ZVK_CLI_QSO_H_

#include <cstdint>
#include <string>
#include <vector>

#include "platform/ole_date_time.h"

namespace cli {

// One QSO read from a log file, in the terms the plug-in takes it.
struct Qso {
  std::string myCall;  // empty: the contestant's call is used
  std::string call;
  COleDateTime time;  // UTC
  std::uint64_t frequencyHz = 0;
  std::string mode;  // upper case, "SSB" for phone
  std::string band;  // as the host names bands ("20m"); empty when unknown
  std::string rstSent;
  std::string rstRcvd;
  std::string exchSent;
  std::string exchRcvd;
  int line = 0;  // line of the file where the QSO starts
};

// One header line of a Cabrillo log: "NAME: Jan" is {"NAME", "Jan"}.
struct HeaderField {
  std::string tag;  // upper case
  std::string value;
};

// The QSOs of one log file, in file order.
struct ImportedLog {
  std::string fileName;
  std::string ownCall;  // the log's own call sign, empty when it names none
  std::vector<Qso> qsos;
  std::vector<HeaderField> header;  // a Cabrillo log's header lines, in file order
};

}  // namespace cli

#endif  // ZVK_CLI_QSO_H_
