#ifndef ZVK_IMPORT_QSO_H_
#define ZVK_IMPORT_QSO_H_

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "platform/ole_date_time.h"

namespace imports {

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

// A header line of a log: its tag ("CATEGORY-OPERATOR") and value ("SINGLE-OP").
struct HeaderValue {
  std::string tag;
  std::string value;
  int line = 0;  // 0: not from one line of the file
};

// The QSOs of one log file, in file order.
struct ImportedLog {
  std::string fileName;
  std::string ownCall;  // the log's own call sign, empty when it names none
  // Cabrillo CATEGORY-* lines (and 2.0's CATEGORY:), tag upper case, in file order.
  std::vector<HeaderValue> categories;
  std::optional<int> claimedScore;  // Cabrillo CLAIMED-SCORE, when a whole number
  std::vector<Qso> qsos;
  // Every other Cabrillo header line (NAME, SOAPBOX, ...), tag upper case, in file order.
  std::vector<HeaderValue> otherHeader;
};

}  // namespace imports

#endif  // ZVK_IMPORT_QSO_H_
