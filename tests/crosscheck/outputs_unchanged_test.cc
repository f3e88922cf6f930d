// Every output of `zvk-score crosscheck` on a generated contest of a few
// thousand lines, with texts that need escaping and bytes that are no UTF-8,
// compared with what the program wrote before its output was made faster:
// a digest of each file kind (of the parsed document for results.json).
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <nlohmann/json.hpp>

#include "tests/cli/zvk_score_runner.h"
#include "tests/crosscheck/synthetic_contest.h"
#include "tests/support/temp_dir.h"

namespace {

using testing_support::readFile;
using testing_support::writeFile;

// A log whose header and lines hold characters JSON, CSV and HTML escape,
// a control character and bytes that are no UTF-8.
constexpr char kOddLog[] =
    "START-OF-LOG: 3.0\nCALLSIGN: SP9ZZ\n"
    "CATEGORY-OPERATOR: SINGLE-OP, \"A\" <b> & 'x' \\y\n"
    "CATEGORY-POWER: LOW\x01\xC9\n"
    "CLAIMED-SCORE: 77\n"
    "QSO:  7025 CW 2025-11-29 1210 SP9ZZ 599 1 DL1\xC9"
    "A 599 <&>\n"
    "QSO:  7025 CW 2025-11-29 1215 SP9ZZ 599 2 OK1\"B 599 a\\b\n"
    "QSO: 14025 CW 2025-11-29 1220 SP9ZZ 599 3 OM3'C 599 \xE2\x82\xAC\n"
    "QSO: 14025 CW 2025-11-29 1225 SP9ZZ 599 4 DL2<X> 599 7\n";

constexpr char kOverrides[] =
    "SP9ZZ 7 ok confirmed by mail: \"really\" <b>&\xE9\n"
    "SP9ZZ 8 not-in-log no such QSO\n";

struct Digest {
  const char* output;
  std::uint64_t expected;
};

std::uint64_t fnv1a(std::uint64_t hash, const std::string& bytes) {
  for (unsigned char c : bytes) hash = (hash ^ c) * 0x100000001b3ULL;
  return hash;
}

// A file's bytes, or every file of a folder with its name, in name order.
std::uint64_t digestOf(const std::string& path) {
  std::uint64_t hash = 0xcbf29ce484222325ULL;
  if (!std::filesystem::is_directory(path)) return fnv1a(hash, readFile(path));
  std::vector<std::string> names;
  for (const auto& entry : std::filesystem::directory_iterator(path)) {
    names.push_back(entry.path().filename().string());
  }
  std::sort(names.begin(), names.end());
  for (const std::string& name : names)
    hash = fnv1a(fnv1a(hash, name), readFile(path + "/" + name));
  return hash;
}

class OutputsUnchangedTest : public testing_support::TempDirTest {};

// Since categories are checked, the odd log's category values (none a
// Cabrillo value) are refused and it is ranked with no category: the digests
// of the files that name its category were taken again then.
TEST_F(OutputsUnchangedTest, EveryOutputIsAsBefore) {
  const Digest kDigests[] = {
      {"results.csv", 15302639447149098816ULL}, {"reports", 4133350335129241759ULL},
      {"index.html", 17364538652820850260ULL},  {"entrants", 4144911333221688349ULL},
      {"results.json", 4654172716899828200ULL},
  };
  std::filesystem::create_directory("logs");
  synthetic::randomContest(40, 6000, 5).write("logs");
  writeFile("logs/SP9ZZ.log", kOddLog);
  writeFile("logs/sp9zz-short.log", "START-OF-LOG: 3.0\nCALLSIGN: SP9ZZ\n");
  writeFile("logs/broken.log", "START-OF-LOG: 3.0\nCALLSIGN: SP8ZZ\nQSO: 7025 CW 2025-13-01\n");
  writeFile("overrides.txt", kOverrides);
  const testing_support::ProgramRun run = testing_support::runZvkScore(
      {"crosscheck", "logs", "--out", "out", "--overrides", "overrides.txt"});
  ASSERT_EQ(run.exitCode, 1) << run.err;
  writeFile("out/results.json.parsed",
            nlohmann::ordered_json::parse(readFile("out/results.json")).dump());
  for (const Digest& digest : kDigests) {
    const std::string file = std::string("out/") + digest.output;
    EXPECT_EQ(digestOf(file == "out/results.json" ? file + ".parsed" : file), digest.expected)
        << digest.output;
  }
}

}  // namespace
