#include "crosscheck/call_distance.h"

#include <cstring>

namespace crosscheck {
namespace {

// Pairs whose CW codes differ by one element added (E . and I ..) or by two
// swapped (A .- and N -.): the characters operators miscopy.
constexpr const char* kLookAlikePairs[] = {
    "EI", "IS", "SH", "H5", "TM", "MO", "AW", "WJ", "J1",
    "ND", "DB", "B6", "UV", "V4", "AN", "KY", "GZ", "RL",
};

bool areLookAlike(char a, char b) {
  for (const char* pair : kLookAlikePairs) {
    if ((pair[0] == a && pair[1] == b) || (pair[0] == b && pair[1] == a)) return true;
  }
  return false;
}

CallDistance changedCharacter(std::string_view a, std::string_view b) {
  std::size_t differing = 0;
  std::size_t at = 0;
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (a[i] != b[i]) {
      ++differing;
      at = i;
    }
  }
  if (differing == 0) return CallDistance::kSame;
  if (differing > 1) return CallDistance::kFar;
  return areLookAlike(a[at], b[at]) ? CallDistance::kLookAlike : CallDistance::kOneCharacter;
}

// `longer` is `shorter` with one character added.
bool isOneAdded(std::string_view longer, std::string_view shorter) {
  std::size_t i = 0;
  while (i < shorter.size() && longer[i] == shorter[i]) ++i;
  return longer.substr(i + 1) == shorter.substr(i);
}

}  // namespace

CallDistance callDistance(std::string_view logged, std::string_view other) {
  if (logged.size() == other.size()) return changedCharacter(logged, other);
  if (logged.size() == other.size() + 1 && isOneAdded(logged, other)) {
    return CallDistance::kOneCharacter;
  }
  if (other.size() == logged.size() + 1 && isOneAdded(other, logged)) {
    return CallDistance::kOneCharacter;
  }
  return CallDistance::kFar;
}

}  // namespace crosscheck
