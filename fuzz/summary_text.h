#ifndef ZVK_FUZZ_SUMMARY_TEXT_H_
#define ZVK_FUZZ_SUMMARY_TEXT_H_

#include <cstdint>
#include <string>
#include <vector>

// The figures of a result summary, read back from its text.
struct SummaryRow {
  std::string band;
  std::int32_t qsos = 0;
  std::int32_t points = 0;
  std::int32_t members = 0;

  bool operator==(const SummaryRow& other) const {
    return band == other.band && qsos == other.qsos && points == other.points &&
           members == other.members;
  }
};

struct SummaryText {
  std::vector<SummaryRow> rows;
  SummaryRow total;
  std::int32_t score = 0;
};

// Reads the band rows, the total line and the score from the end of the
// text (the heading holds host texts and is skipped); stops the fuzzer when
// a line does not have its exact layout.
SummaryText parseSummary(const std::string& text);
// Rows from the longest wavelength down: band texts padded with "0" to 20
// characters never rise.
bool rowsInBandOrder(const std::vector<SummaryRow>& rows);

#endif  // ZVK_FUZZ_SUMMARY_TEXT_H_
