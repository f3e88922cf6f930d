#ifndef ZVK_CROSSCHECK_ERROR_CREDIT_H_
#define ZVK_CROSSCHECK_ERROR_CREDIT_H_

#include <cstdint>
#include <optional>
#include <string_view>

namespace crosscheck {

// What a not-in-log or busted-call QSO costs beyond its own points.
struct Penalty {
  std::int32_t amount = 0;
  bool inPoints = false;  // amount is points, else a multiple of the QSO's points
};

// What each kind of error costs, as the contest's rules say.
struct ErrorCredit {
  // Errors=: whether a miscopy voids the QSO for the other station too.
  bool bustedCallVoidsBoth = false;
  bool bustedExchangeVoidsBoth = false;
  Penalty bustedCall;
  Penalty notInLog;
  // ExchangeErrorPoints=, ExchangeErrorMultiplier=: what a QSO whose
  // received exchange is miscopied still earns.
  std::int32_t exchangeErrorPoints = 0;
  bool exchangeErrorMultiplier = false;
};

// The points a penalty takes from a QSO worth `qsoPoints`, as a positive number.
std::int32_t penaltyPoints(const Penalty& penalty, std::int32_t qsoPoints);
// What a QSO worth `qsoPoints` earns with its received exchange miscopied:
// never more than when copied right.
std::int32_t exchangeErrorPoints(const ErrorCredit& credit, std::int32_t qsoPoints);

// "own", "both" or "busted-call:both,busted-exchange:own" (kinds left out
// void the QSO for the copier only). False: not such a text.
bool parseErrorVoids(std::string_view text, ErrorCredit* credit);
// "2" (both kinds, twice the QSO's points) or
// "busted-call:1,not-in-log:10points". False: not such a text.
bool parsePenalties(std::string_view text, ErrorCredit* credit);

}  // namespace crosscheck

#endif  // ZVK_CROSSCHECK_ERROR_CREDIT_H_
