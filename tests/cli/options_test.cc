// The command line's own answers: --version and --help.
#include <gtest/gtest.h>

#include <string>

#include "tests/cli/zvk_score_runner.h"
#include "tests/support/temp_dir.h"
#include "zvk_version.h"

namespace {

using testing_support::runZvkScore;

class OptionsTest : public testing_support::TempDirTest {};

TEST_F(OptionsTest, VersionIsTheProjectsVersionAndNeedsNoLog) {
  testing_support::ProgramRun run = runZvkScore({"--version"});
  EXPECT_EQ(run.exitCode, 0);
  EXPECT_EQ(run.out, "zvk-score " ZVK_VERSION_TEXT "\n");
  EXPECT_EQ(run.err, "");
}

TEST_F(OptionsTest, HelpListsEveryCommandAndOption) {
  testing_support::ProgramRun run = runZvkScore({"--help"});
  EXPECT_EQ(run.exitCode, 0);
  for (const char* item : {"zvk-score [options] LOG...", "zvk-score check [options] LOG CALL BAND",
                           "--call CALL", "--from DATE", "--to DATE", "--cabrillo", "--out DIR",
                           "--yes", "--json", "--plugin PATH", "--help", "--version"}) {
    EXPECT_NE(run.out.find(item), std::string::npos) << item;
  }
  testing_support::ProgramRun bad = runZvkScore({"--bogus"});
  EXPECT_EQ(bad.exitCode, 2);
  EXPECT_EQ(bad.err, "zvk-score: unknown option --bogus\n" + run.out);
}

}  // namespace
