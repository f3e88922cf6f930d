#include "crosscheck/multiplier_summary.h"

#include <algorithm>

namespace crosscheck {
namespace {

std::size_t bandPlace(const Results& results, const Entrant& entrant, TextId band) {
  const std::string_view name = results.text(band);
  auto at = std::find_if(entrant.bands.begin(), entrant.bands.end(),
                         [name](const BandTally& tally) { return tally.band == name; });
  return static_cast<std::size_t>(at - entrant.bands.begin());
}

}  // namespace

std::vector<MultiplierCount> multipliersByBand(const Results& results, const Entrant& entrant) {
  std::vector<MultiplierCount> counts;
  for (const MultiplierFound& found : entrant.multipliers) {
    auto same = std::find_if(counts.begin(), counts.end(), [&](const MultiplierCount& count) {
      return count.band == found.band && count.mode == found.mode;
    });
    if (same == counts.end()) {
      counts.push_back({found.band, found.mode, 1});
    } else {
      ++same->count;
    }
  }
  std::stable_sort(
      counts.begin(), counts.end(), [&](const MultiplierCount& a, const MultiplierCount& b) {
        return bandPlace(results, entrant, a.band) < bandPlace(results, entrant, b.band);
      });
  return counts;
}

void appendMultiplierName(const Results& results, const MultiplierFound& found, std::string* text) {
  text->append(results.multiplierRules[found.rule])
      .append(" ")
      .append(results.multiplierValues.view(found.value));
}

}  // namespace crosscheck
