#ifndef ZVK_TESTS_SUPPORT_HOST_EVALUATION_H_
#define ZVK_TESTS_SUPPORT_HOST_EVALUATION_H_

#include <string>

#include "tests/support/stats_library.h"

namespace testing_support {

// Calls the exports as a host does, filling the arguments it does not name.
class HostSession {
 public:
  struct Qso {
    const char* call;
    const char* band;
    const char* exchRcvd;
    double when;
    const char* mode = "CW";
    unsigned frequencyHz = 14025500;
  };

  explicit HostSession(const Exports& exports) : x_(exports) {}

  // Contest period 2016-06-12 12:00 to 2016-06-13 12:00.
  int reset(const char* contestant, int makeCabrillo);
  int add(const Qso& qso);
  int remove(const Qso& qso);
  int checkCall(const char* call, const char* band, char* exchOut);

 private:
  int send(decltype(&::AddData0) function, const Qso& qso);

  Exports x_;
};

// One whole evaluation, the same calls in both builds: reset for `contestant`
// with the Cabrillo switch, QSOs added and one removed, then the result, whose
// text is returned. Its files are kept under tests/data/host/.
std::string runEvaluation(const Exports& exports, const char* contestant, int makeCabrillo);

}  // namespace testing_support

#endif  // ZVK_TESTS_SUPPORT_HOST_EVALUATION_H_
