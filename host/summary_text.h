#ifndef ZVK_HOST_SUMMARY_TEXT_H_
#define ZVK_HOST_SUMMARY_TEXT_H_

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace host {

struct BandRow {
  std::string band;
  long qsos = 0;
  long points = 0;
  long members = 0;
};

// The values of the plug-in's result summary text.
struct Summary {
  std::string title;
  std::string periodFrom;
  std::string periodTo;
  std::string contestant;
  std::vector<BandRow> bands;
  BandRow total;
  long claimedScore = 0;
};

// Reads the summary text back into its values; empty when the text does not
// have the summary's layout (another build of the plug-in, say).
std::optional<Summary> parseSummary(std::string_view text);

}  // namespace host

#endif  // ZVK_HOST_SUMMARY_TEXT_H_
