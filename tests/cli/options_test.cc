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

// Each command's --help is its own: its usage line and options, none of
// another command's; a bad command line is answered with that help.
TEST_F(OptionsTest, EachCommandHasItsOwnHelp) {
  struct Case {
    std::string command;
    std::string usage;
    std::string ownOption;
    std::string otherOption;
    std::string program;
  } cases[] = {
      {"check", "usage: zvk-score check [options] LOG CALL BAND [MODE]\n", "--plugin PATH",
       "--cabrillo", "zvk-score"},
      {"crosscheck", "usage: zvk-score crosscheck [options] LOG_OR_FOLDER...\n", "--overrides FILE",
       "--call", "zvk-score crosscheck"},
      {"serve", "usage: zvk-score serve [options]\n", "--max-log-kib N", "--overrides",
       "zvk-score serve"},
  };
  for (const Case& c : cases) {
    testing_support::ProgramRun help = runZvkScore({c.command, "--help"});
    EXPECT_EQ(help.exitCode, 0) << c.command;
    EXPECT_EQ(help.out.substr(0, c.usage.size()), c.usage);
    EXPECT_NE(help.out.find(c.ownOption), std::string::npos) << help.out;
    EXPECT_EQ(help.out.find(c.otherOption), std::string::npos) << help.out;
    testing_support::ProgramRun bad = runZvkScore({c.command, "--bogus"});
    EXPECT_EQ(bad.exitCode, 2) << c.command;
    EXPECT_EQ(bad.err, c.program + ": unknown option --bogus\n" + help.out);
  }
}

}  // namespace
