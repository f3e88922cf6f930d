#include "tests/support/qso_builder.h"

#include "platform/ole_date_time.h"

namespace testing_support {

double oleDate(int year, int month, int day, int hour, int minute) {
  platform::SystemTime time;
  time.year = year;
  time.month = month;
  time.day = day;
  const double days = static_cast<double>(platform::hourNumber(time) / 24);
  return days + (hour * 60 + minute) / 1440.0;
}

QsoFields contestQso(const char* call) {
  QsoFields qso;
  qso.myCall = "Q1QQQ";
  qso.call = call;
  qso.time = COleDateTime(oleDate(2016, 11, 27, 14, 5), COleDateTime::valid);
  qso.frequency = 14025500;
  qso.mode = "CW";
  qso.rstSent = "599";
  qso.rstRcvd = "599";
  qso.exchSent = "NM";
  qso.exchRcvd = "1234";
  qso.band = "20m";
  return qso;
}

}  // namespace testing_support
