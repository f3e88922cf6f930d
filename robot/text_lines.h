#ifndef ZVK_ROBOT_TEXT_LINES_H_
#define ZVK_ROBOT_TEXT_LINES_H_

#include <string_view>
#include <vector>

namespace robot {

// The lines of a log text, numbered as the log reader numbers them (from 1,
// split at each line feed), without their line ends.
class TextLines {
 public:
  explicit TextLines(std::string_view text);

  // Line `number`; empty for a number outside the text.
  std::string_view line(int number) const;

 private:
  std::string_view text_;
  std::vector<std::size_t> starts_;
};

}  // namespace robot

#endif  // ZVK_ROBOT_TEXT_LINES_H_
