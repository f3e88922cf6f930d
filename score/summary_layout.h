#ifndef ZVK_SCORE_SUMMARY_LAYOUT_H_
#define ZVK_SCORE_SUMMARY_LAYOUT_H_

// The layout of the result summary text. The plug-in writes it; zvk-score and
// the fuzzer read it back.
//
//   ZVK-CW-CONTEST  <from>-<to> \r\n
//   \tContestant: <call>\r\n
//   \tQSOs\tPoints\t ZVK\r\n
//   <band>\t <qsos>\t <points>\t  <members>\r\n     (one per band, then "Total")
//   \r\n
//   Score:   <score> \r\n
//   \r\n
//   <credit>
namespace summary_layout {

constexpr char kLineEnd[] = "\r\n";
constexpr char kHeadingFormat[] = "ZVK-CW-CONTEST  %s-%s \r\n";
constexpr char kContestantPrefix[] = "\tContestant: ";
constexpr char kColumnHeads[] = "\tQSOs\tPoints\t ZVK\r\n";
// Band, QSOs, points, club-member QSOs.
constexpr char kRowFormat[] = "%s\t %i\t %i\t  %i\r\n";
constexpr char kTotalBand[] = "Total";
constexpr char kScorePrefix[] = "Score:   ";

}  // namespace summary_layout

#endif  // ZVK_SCORE_SUMMARY_LAYOUT_H_
