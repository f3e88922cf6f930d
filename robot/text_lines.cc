#include "robot/text_lines.h"

namespace robot {

TextLines::TextLines(std::string_view text) : text_(text) {
  starts_.push_back(0);
  for (std::size_t end = text.find('\n'); end != std::string_view::npos;
       end = text.find('\n', end + 1)) {
    starts_.push_back(end + 1);
  }
}

std::string_view TextLines::line(int number) const {
  if (number < 1 || static_cast<std::size_t>(number) > starts_.size()) return {};
  const std::size_t start = starts_[number - 1];
  std::size_t end =
      static_cast<std::size_t>(number) < starts_.size() ? starts_[number] - 1 : text_.size();
  if (end > start && text_[end - 1] == '\r') --end;
  return text_.substr(start, end - start);
}

}  // namespace robot
