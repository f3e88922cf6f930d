// zvk-score serve's reading of its command line: the times it opens and
// closes at, and its answers to a command line it cannot follow; the robot
// itself is tested in tests/robot.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "cli/serve_options.h"
#include "import/utc_time.h"
#include "robot/log_store.h"
#include "tests/cli/zvk_score_runner.h"
#include "tests/support/temp_dir.h"

namespace {

using testing_support::runZvkScore;

struct BadServe {
  const char* name;
  std::vector<std::string> arguments;
  int exitCode;
  std::string firstErrorLine;
};

void PrintTo(const BadServe& value, std::ostream* out) { *out << value.name; }

class ServeCommandTest : public testing_support::TempDirTest,
                         public ::testing::WithParamInterface<BadServe> {};

TEST_P(ServeCommandTest, RefusesToStartAndSaysWhy) {
  testing_support::writeFile("blank.key", " \n");
  testing_support::writeFile("a-file", "");
  std::vector<std::string> arguments = {"serve", "--listen", "127.0.0.1:0"};
  arguments.insert(arguments.end(), GetParam().arguments.begin(), GetParam().arguments.end());
  testing_support::ProgramRun run = runZvkScore(arguments);
  EXPECT_EQ(run.exitCode, GetParam().exitCode);
  EXPECT_EQ(run.err.substr(0, run.err.find('\n')), GetParam().firstErrorLine);
  EXPECT_EQ(run.out, "");
}

INSTANTIATE_TEST_SUITE_P(
    CommandLines, ServeCommandTest,
    ::testing::Values(
        BadServe{"PortWithoutHost",
                 {"--listen", "8073"},
                 2,
                 "zvk-score serve: --listen: \"8073\" is not HOST:PORT (such as 127.0.0.1:8073)"},
        BadServe{"PortOutOfRange",
                 {"--listen=localhost:65536"},
                 2,
                 "zvk-score serve: --listen: \"localhost:65536\" is not HOST:PORT (such as "
                 "127.0.0.1:8073)"},
        BadServe{"DeadlineNoDate",
                 {"--deadline", "2025-12-32"},
                 2,
                 "zvk-score serve: --deadline: \"2025-12-32\" is not a date (YYYY-MM-DD or "
                 "YYYY-MM-DDTHH:MM, UTC)"},
        BadServe{"OpensNoTime",
                 {"--opens", "2025-12-01T24:00"},
                 2,
                 "zvk-score serve: --opens: \"2025-12-01T24:00\" is not a date (YYYY-MM-DD or "
                 "YYYY-MM-DDTHH:MM, UTC)"},
        BadServe{"SizeZero",
                 {"--max-log-kib", "0"},
                 2,
                 "zvk-score serve: --max-log-kib: \"0\" is not a size in KiB"},
        BadServe{"Operand", {"received"}, 2, "zvk-score serve: unknown option or operand received"},
        BadServe{"MissingValue", {"--logs"}, 2, "zvk-score serve: --logs needs a value"},
        BadServe{"KeyFileMissing",
                 {"--organiser-key-file", "none.key"},
                 2,
                 "zvk-score serve: none.key: cannot read the organiser key"},
        BadServe{"KeyFileBlank",
                 {"--organiser-key-file", "blank.key"},
                 2,
                 "zvk-score serve: blank.key: holds no organiser key"},
        BadServe{"UploadBurstZero",
                 {"--upload-burst", "0"},
                 2,
                 "zvk-score serve: --upload-burst: \"0\" is not a number of uploads from 1 to "
                 "1000000"},
        BadServe{"VerifyNoFolder",
                 {"--verify", "--logs", "none"},
                 3,
                 "zvk-score serve: none: no such folder of logs"},
        BadServe{"LogsFolderUnderAFile",
                 {"--logs", "a-file/received"},
                 3,
                 "zvk-score serve: a-file/received: cannot make the folder: Not a directory"}),
    [](const ::testing::TestParamInfo<BadServe>& info) { return info.param.name; });

// A date alone is its whole day, a minute the whole minute: taken from the
// first second and until the last.
TEST(ServeTimesTest, OpensAtTheFirstAndClosesAfterTheLastSecondNamed) {
  struct Case {
    std::string given;
    std::string opens;
    std::string lastTaken;
  };
  const Case cases[] = {
      {"2026-12-31", "2026-12-31 00:00:00 UTC", "2026-12-31 23:59:59 UTC"},
      {"2026-12-31T21:11", "2026-12-31 21:11:00 UTC", "2026-12-31 21:11:59 UTC"},
      {"2026-12-31 21:11", "2026-12-31 21:11:00 UTC", "2026-12-31 21:11:59 UTC"},
      {"2026-12-31T23:59", "2026-12-31 23:59:00 UTC", "2026-12-31 23:59:59 UTC"},
      {"2028-02-28", "2028-02-28 00:00:00 UTC", "2028-02-28 23:59:59 UTC"},
      {"2026-03-01T00:00", "2026-03-01 00:00:00 UTC", "2026-03-01 00:00:59 UTC"},
  };
  for (const Case& c : cases) {
    const std::optional<cli::ServeOptions> options =
        cli::serveCommand().parse({"--opens", c.given, "--deadline=" + c.given});
    ASSERT_TRUE(options && options->opens && options->deadline) << c.given;
    EXPECT_EQ(imports::formatUtc(*options->opens), c.opens) << c.given;
    EXPECT_EQ(imports::formatUtc(*options->deadline), c.lastTaken) << c.given;
  }
}

// --verify re-reads every file, which the start compares by size only.
TEST_F(ServeCommandTest, VerifyNamesAChangeOfTheSameSizeAndExitsOne) {
  robot::LogFacts facts;
  facts.call = "Q1AA";
  const std::string receipt =
      robot::LogStore("received", [] { return robot::UnixTime{1764417600}; })
          .accept("kept\n", facts)
          .receipt;
  const std::vector<std::string> verify = {"serve", "--verify", "--logs", "received"};
  const testing_support::ProgramRun agreeing = runZvkScore(verify);
  EXPECT_EQ(agreeing.exitCode, 0);
  EXPECT_EQ(agreeing.out, "zvk-score serve: 1 submissions checked, 0 differences\n");
  testing_support::writeFile("received/Q1AA.log", "KEPT\n");
  const testing_support::ProgramRun changed = runZvkScore(verify);
  EXPECT_EQ(changed.exitCode, 1);
  EXPECT_EQ(changed.out, "received/Q1AA.log: not the latest version of Q1AA (receipt " + receipt +
                             ")\nzvk-score serve: 1 submissions checked, 1 differences\n");
}

}  // namespace
