#ifndef ZVK_CROSSCHECK_CALL_DISTANCE_H_
#define ZVK_CROSSCHECK_CALL_DISTANCE_H_

#include <string_view>

namespace crosscheck {

// How far a logged call is from another: a miscopy is one character changed,
// dropped or added, and characters that sound alike in CW are closest.
enum class CallDistance {
  kSame = 0,
  kLookAlike = 1,     // one character changed for its CW look-alike
  kOneCharacter = 2,  // one other character changed, dropped or added
  kFar = 3,
};

CallDistance callDistance(std::string_view logged, std::string_view other);

inline bool isMiscopy(CallDistance distance) {
  return distance == CallDistance::kLookAlike || distance == CallDistance::kOneCharacter;
}

}  // namespace crosscheck

#endif  // ZVK_CROSSCHECK_CALL_DISTANCE_H_
