#ifndef ZVK_ROBOT_SUBMISSION_TABLE_H_
#define ZVK_ROBOT_SUBMISSION_TABLE_H_

#include <cstdint>

#include "pages/html_writer.h"
#include "robot/submission_db.h"

namespace robot {

// The organiser's table of one page of submissions, the download of each
// version kept near its start so that it stays in view, and the links to
// the other pages (`number` of `pages`, from 1).
void writeSubmissionTable(pages::HtmlWriter& html, const SubmissionPage& page, std::int64_t number,
                          std::int64_t pages);

}  // namespace robot

#endif  // ZVK_ROBOT_SUBMISSION_TABLE_H_
