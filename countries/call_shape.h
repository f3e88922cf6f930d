#ifndef ZVK_COUNTRIES_CALL_SHAPE_H_
#define ZVK_COUNTRIES_CALL_SHAPE_H_

#include <optional>
#include <string>
#include <string_view>

namespace countries {

// Why the upper-case `call` does not have the shape of an amateur call sign,
// as signed with portable forms (DL/G3ABC, G3ABC/P, G3ABC/MM, K1ABC/4);
// nothing when it has. The licensed call is a prefix holding a letter, one to
// four digits and letters after them: Q1ZVK, 4U1ITU, 2E0ABC, I44Z, GB100RSGB.
std::optional<std::string> callShapeProblem(std::string_view call);

}  // namespace countries

#endif  // ZVK_COUNTRIES_CALL_SHAPE_H_
