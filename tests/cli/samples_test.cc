// Real public contest logs, scored where they lie (ZVK_SAMPLES_DIR).
#include <gtest/gtest.h>

#include <filesystem>

#include "import/log_import.h"
#include "tests/cli/json_value.h"
#include "tests/cli/zvk_score_runner.h"
#include "tests/support/temp_dir.h"

namespace {

struct Sample {
  const char* file;
  std::size_t qsos;  // QSO records in the file
  long counted;      // QSOs the contest stores
  std::size_t offBand, offMode, noNumber, dupes;
};

// What the ZVK rules make of other contests' logs: 160 m and phone are off
// the contest, and an ADIF exchange outside SRX/SRX_STRING is no number.
const Sample kSamples[] = {
    {"cbr-arrl-dx-cw-2024-TE5T.log", 59, 56, 3, 0, 0, 1},
    {"cbr-ok1wc-memorial-2024-03-04-G7D.log", 10, 10, 0, 0, 0, 0},
    {"cbr-iaru-hf-2023-I44Z.log", 6, 4, 0, 2, 0, 0},
    {"cbr-ntc-qp-2024-03-21-S51Z.log", 35, 35, 0, 0, 0, 0},
    {"adif-ntc-qp-2024-03-21-PA3HEB.adi", 12, 0, 0, 0, 12, 0},
};

class SamplesTest : public testing_support::TempDirTest {
 protected:
  void SetUp() override {
    TempDirTest::SetUp();
    if (!std::filesystem::is_directory(ZVK_SAMPLES_DIR)) {
      GTEST_SKIP() << "no sample logs at " << ZVK_SAMPLES_DIR << " (set ZVK_SAMPLES_DIR)";
    }
  }

  static std::string path(const Sample& sample) {
    return std::string(ZVK_SAMPLES_DIR) + "/" + sample.file;
  }
};

TEST_F(SamplesTest, ImportersReadEveryQsoWithCallAndBand) {
  for (const Sample& sample : kSamples) {
    imports::ImportedLog log = imports::readLogFile(path(sample));
    EXPECT_EQ(log.qsos.size(), sample.qsos) << sample.file;
    EXPECT_FALSE(log.ownCall.empty()) << sample.file;
    for (const imports::Qso& qso : log.qsos) {
      EXPECT_FALSE(qso.call.empty()) << sample.file << ":" << qso.line;
      EXPECT_FALSE(qso.band.empty()) << sample.file << ":" << qso.line;
      EXPECT_EQ(qso.time.m_status, COleDateTime::valid) << sample.file << ":" << qso.line;
    }
  }
}

TEST_F(SamplesTest, EachLogScoresWithItsRejectionsAndDupes) {
  for (const Sample& sample : kSamples) {
    testing_support::ProgramRun run =
        testing_support::runZvkScore({path(sample), "--json", "--out", "out"});
    ASSERT_EQ(run.exitCode, 0) << sample.file << ": " << run.err;
    testing_support::JsonValue json = testing_support::parseJson(run.out);
    const testing_support::JsonValue& lines = json["ubn"]["lines"];
    EXPECT_EQ(json["total"]["qsos"].number, sample.counted) << sample.file;
    EXPECT_EQ(lines["NO CONTEST BAND"].array.size(), sample.offBand) << sample.file;
    EXPECT_EQ(lines["NO CONTEST MODE"].array.size(), sample.offMode) << sample.file;
    EXPECT_EQ(lines["NO RX/TX NUMBER"].array.size(), sample.noNumber) << sample.file;
    EXPECT_EQ(lines["DUPE"].array.size(), sample.dupes) << sample.file;
    std::filesystem::remove_all("out");
  }
}

}  // namespace
