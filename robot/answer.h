#ifndef ZVK_ROBOT_ANSWER_H_
#define ZVK_ROBOT_ANSWER_H_

#include <string>
#include <utility>
#include <vector>

namespace robot {

// A page and its HTTP status.
struct Answer {
  Answer(int status, std::string page) : status(status), page(std::move(page)) {}

  int status;
  std::string page;
  std::string contentType = "text/html; charset=utf-8";
  std::string attachmentName;                                // set: a file to save under this name
  std::vector<std::pair<std::string, std::string>> headers;  // more, by name
};

}  // namespace robot

#endif  // ZVK_ROBOT_ANSWER_H_
