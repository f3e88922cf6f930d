#include "log/info.h"

CInfo& CInfo::operator=(const CInfo& other) {
  call = other.call;
  hostTextA = other.hostTextA;
  hostTextB = other.hostTextB;
  band = other.band;
  mode = other.mode;
  rstRcvd = other.rstRcvd;
  rstSent = other.rstSent;
  exchRcvd = other.exchRcvd;
  exchSent = other.exchSent;
  reserved12 = other.reserved12;
  reserved13 = other.reserved13;
  frequencyKHz = other.frequencyKHz;
  reserved15 = other.reserved15;
  reserved16 = other.reserved16;
  reserved17 = other.reserved17;
  reserved18 = other.reserved18;
  reserved19 = other.reserved19;
  time = other.time;
  return *this;
}
