#ifndef ZVK_TESTS_SUPPORT_QSO_BUILDER_H_
#define ZVK_TESTS_SUPPORT_QSO_BUILDER_H_

#include "log/qso_fields.h"

namespace testing_support {

// OLE date of a UTC calendar time.
double oleDate(int year, int month, int day, int hour = 0, int minute = 0);

// A contest QSO: Q1QQQ works `call` on 20m CW at 2016-11-27 14:05, 599 NM / 599 1234.
QsoFields contestQso(const char* call = "Q2QQ");

}  // namespace testing_support

#endif  // ZVK_TESTS_SUPPORT_QSO_BUILDER_H_
