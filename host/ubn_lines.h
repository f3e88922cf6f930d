#ifndef ZVK_HOST_UBN_LINES_H_
#define ZVK_HOST_UBN_LINES_H_

#include <string>
#include <string_view>
#include <vector>

namespace host {

// The QSO lines of a UBN file that share one reason.
struct UbnGroup {
  std::string reason;              // "NO CONTEST BAND", ... "DUPE"; "OTHER" for lines with none
  std::vector<std::string> lines;  // whole lines without their line end
};

// The QSO lines of a UBN file's text, grouped by reason. Every known reason
// has its group, in a fixed order; the header line is left out.
std::vector<UbnGroup> groupUbnLines(std::string_view text);

}  // namespace host

#endif  // ZVK_HOST_UBN_LINES_H_
