#include <gtest/gtest.h>
#include <httplib.h>

#include <ostream>
#include <string>

#include "tests/robot/robot_server_fixture.h"

namespace robot {
namespace {

// Each refusal: its answer, the row that keeps its call, the text kept.
struct Refusal {
  const char* name;
  std::size_t sizeLimit;
  UnixTime now;
  std::string log;
  int status;
  std::string shown;
  bool kept;         // as a refused row, with its text
  std::string call;  // the row's, as read
};

void PrintTo(const Refusal& value, std::ostream* out) { *out << value.name; }

class RefusalTest : public RobotServerTest, public ::testing::WithParamInterface<Refusal> {};

TEST_P(RefusalTest, AnswersWithThePageAndKeepsNoLog) {
  now_ = GetParam().now;
  start(GetParam().sizeLimit);
  httplib::Result answer = upload(GetParam().log);
  ASSERT_TRUE(answer);
  EXPECT_EQ(answer->status, GetParam().status);
  EXPECT_NE(answer->body.find(GetParam().shown), std::string::npos) << answer->body;
  EXPECT_EQ(readFile("received/Q1ZVK.log"), "");
  httplib::Result rows = organiser("/organiser", {});
  const std::regex refusedRow("<td>" + GetParam().call + "</td>(?:(?!</tr>).)*<td>refused: ");
  EXPECT_EQ(std::regex_search(rows->body, refusedRow), GetParam().kept);
  if (!GetParam().kept) return;
  const std::string receipt = LogStore("received", systemClock).submissions().at(0).receipt;
  EXPECT_EQ(organiser("/organiser/download", {{"receipt", receipt}})->body,
            GetParam().log.substr(0, GetParam().sizeLimit));
}

// 53 lines without a frequency: the first 50 listed, the rest counted.
std::string logOfManyProblems() {
  std::string log = "CALLSIGN: Q1ZVK\n";
  for (int n = 0; n < 53; ++n) log += "QSO: 14x22 CW 2025-11-29 1303 Q1ZVK 599 417 Q4WZ 599 902\n";
  return log;
}

INSTANTIATE_TEST_SUITE_P(
    Uploads, RefusalTest,
    ::testing::Values(
        Refusal{"Unreadable", kDefaultSizeLimit, kDeadline - 1,
                "QSO: 14x22 CW 2025-11-29 1303 Q1ZVK 599 417  Q4WZ 599 902\nQSO: 14022 CW\n", 422,
                "<tr><td class=\"n\">1</td><td>frequency: &quot;14x22&quot; is not a frequency in "
                "kHz</td><td><pre class=\"lines\">QSO: 14x22 CW 2025-11-29 1303 Q1ZVK 599 417  "
                "Q4WZ 599 902</pre></td></tr><tr><td class=\"n\">2</td>",
                true, ""},
        Refusal{"ManyProblems", kDefaultSizeLimit, kDeadline - 1, logOfManyProblems(), 422,
                "<td class=\"n\">51</td><td>frequency: &quot;14x22&quot; is not a frequency in "
                "kHz</td><td><pre class=\"lines\">QSO: 14x22 CW 2025-11-29 1303 Q1ZVK 599 417 "
                "Q4WZ 599 902</pre></td></tr></tbody></table></div><p>and 3 more</p>",
                true, "Q1ZVK"},
        Refusal{"BeforeUploadsOpen", kDefaultSizeLimit, kOpens - 1, kLog, 403,
                "Logs are taken from 2025-11-24 00:00:00 UTC on. Nothing was kept.", true, "Q1ZVK"},
        Refusal{"AfterTheDeadline", kDefaultSizeLimit, kDeadline + 1, kLog, 403,
                "The deadline for logs was 2025-12-01 00:00:00 UTC; no more logs are taken. "
                "Nothing was kept.",
                true, "Q1ZVK"},
        Refusal{"LargerThanTheLimit", 100, kDeadline - 1, kLog, 413, "larger than 0 KiB", true, ""},
        Refusal{"FarLargerThanTheLimit", 1024, kDeadline - 1, std::string(200 * 1024, 'x'), 413,
                "larger than 1 KiB", false, ""}),
    [](const ::testing::TestParamInfo<Refusal>& info) { return info.param.name; });

}  // namespace
}  // namespace robot
