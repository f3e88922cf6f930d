#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <string>

#include "cabrillo/station_data.h"
#include "tests/cabrillo/program_files_env.h"
#include "tests/support/temp_dir.h"

namespace {

using testing_support::ProgramFilesEnv;
using testing_support::readFile;

const COleDateTime kFeb14At0930(42414.0 + 9.5 / 24.0, COleDateTime::valid);

CStationData filledStation() {
  CStationData station;
  station.callsign = "Q1QQQ";
  station.name = "Ann Example";
  station.address = "Street 1";
  station.addressCity = "Town";
  station.addressPostalCode = "12345";
  station.addressCountry = "Land";
  station.email = "ann@example.org";
  station.club = "CW Club";
  station.soapbox = "first\r\nSOAPBOX: second";
  station.operators = "Q1QQQ Q1AAA";
  station.categoryOperator = "SINGLE-OP";
  station.categoryBand = "ALL";
  station.categoryPower = "QRP";
  station.fileStem = "Q1_QQQ_P";
  station.FormatQsoLine("Q2QQ", 3550, "CW", kFeb14At0930, "599", "001", "599", "017");
  station.FormatQsoLine("Q3QQ", 14025, "??", kFeb14At0930, "599", "002", "599", "NM");
  return station;
}

class CabrilloWriterTest : public testing_support::TempDirTest {
 protected:
  ProgramFilesEnv env_;
};

TEST_F(CabrilloWriterTest, WritesHeaderQsoLinesAndEnd) {
  env_.files = {"Vylo.exe"};
  env_.versions["Vylo.exe"] = {(2u << 16) | 19u, 0u};
  CStationData station = filledStation();
  EXPECT_EQ(station.WriteCabrillo(735, env_).str(), "File produced: Q1_QQQ_P.cbr");
  EXPECT_EQ(readFile("Q1_QQQ_P.cbr"),
            "START-OF-LOG: 3.0\r\n"
            "CONTEST: ZVK CW Contest\r\n"
            "CALLSIGN: Q1QQQ\r\n"
            "CATEGORY-OPERATOR: SINGLE-OP\r\n"
            "CATEGORY-BAND: ALL\r\n"
            "CATEGORY-POWER: QRP\r\n"
            "CLAIMED-SCORE: 735\r\n"
            "CLUB: CW Club\r\n"
            "CREATED-BY: Vylo 2.19\r\n"
            "NAME: Ann Example\r\n"
            "ADDRESS: Street 1\r\n"
            "ADDRESS-CITY: Town\r\n"
            "ADDRESS-POSTALCODE: 12345\r\n"
            "ADDRESS-COUNTRY: Land\r\n"
            "EMAIL: ann@example.org\r\n"
            "OPERATORS: Q1QQQ Q1AAA\r\n"
            "SOAPBOX: first\r\n"
            "SOAPBOX: second\r\n"
            "QSO:  3550 CW 2016-02-14 0930 Q1QQQ         599 001    Q2QQ          599 017\r\n"
            "QSO: 14025 ?? 2016-02-14 0930 Q1QQQ         599 002    Q3QQ          599 NM\r\n"
            "END-OF-LOG:\r\n");
  EXPECT_EQ(station.cabrilloLines.GetSize(), 2);
}

// The whole file of a record with empty texts and no QSO lines.
std::string emptyRecordFile(const std::string& claimedScore) {
  return "START-OF-LOG: 3.0\r\n"
         "CONTEST: ZVK CW Contest\r\n"
         "CALLSIGN: \r\n"
         "CATEGORY-OPERATOR: \r\n"
         "CATEGORY-BAND: \r\n"
         "CATEGORY-POWER: \r\n"
         "CLAIMED-SCORE: " +
         claimedScore +
         "\r\n"
         "CLUB: \r\n"
         "CREATED-BY: Vylo \r\n"
         "NAME: \r\n"
         "ADDRESS: \r\n"
         "ADDRESS-CITY: \r\n"
         "ADDRESS-POSTALCODE: \r\n"
         "ADDRESS-COUNTRY: \r\n"
         "EMAIL: \r\n"
         "OPERATORS: \r\n"
         "SOAPBOX: \r\n"
         "END-OF-LOG:\r\n";
}

TEST_F(CabrilloWriterTest, EmptyRecordStillGivesEveryHeaderLine) {
  CStationData station;
  station.fileStem = "VOXA";
  EXPECT_EQ(station.WriteCabrillo(-5, env_).str(), "File produced: VOXA.cbr");
  EXPECT_EQ(readFile("VOXA.cbr"), emptyRecordFile("-5"));
}

TEST_F(CabrilloWriterTest, RewritesAnEarlierFileFromScratch) {
  testing_support::writeFile("VOXA.cbr", std::string(4000, 'x'));
  CStationData station;
  station.fileStem = "VOXA";
  station.WriteCabrillo(0, env_);
  EXPECT_EQ(readFile("VOXA.cbr"), emptyRecordFile("0"));
}

TEST_F(CabrilloWriterTest, LineBreaksInsideFieldsAreWrittenAsBlanks) {
  CStationData station;
  station.callsign = "Q1\rQQQ";
  station.name = "Ann\r\nExample";
  station.soapbox = "first\r\nSOAPBOX: second";
  station.fileStem = "VOXA";
  station.FormatQsoLine("Q2\r\nQQ", 3550, "CW", kFeb14At0930, "5\n9", "001", "599", "017\n");
  station.WriteCabrillo(0, env_);
  std::string expected = emptyRecordFile("0");
  expected.replace(expected.find("CALLSIGN: "), 10, "CALLSIGN: Q1 QQQ");
  expected.replace(expected.find("NAME: "), 6, "NAME: Ann  Example");
  expected.replace(expected.find("SOAPBOX: "), 9, "SOAPBOX: first\r\nSOAPBOX: second");
  expected.insert(expected.find("END-OF-LOG:"),
                  "QSO:  3550 CW 2016-02-14 0930 Q1 QQQ        5 9 001    Q2  QQ        599 017 "
                  "\r\n");
  EXPECT_EQ(readFile("VOXA.cbr"), expected);
}

// A file that could not be written used to be announced as produced.
class FailingFile : public platform::WritableFile {
 public:
  FailingFile(bool writeFails, bool closeFails)
      : writeFails_(writeFails), closeFails_(closeFails) {}
  bool write(const char*, std::size_t) override { return !writeFails_; }
  bool close() override { return !closeFails_; }

 private:
  bool writeFails_;
  bool closeFails_;
};

class FailingFileEnv : public ProgramFilesEnv {
 public:
  FailingFileEnv(bool writeFails, bool closeFails)
      : writeFails_(writeFails), closeFails_(closeFails) {}
  std::unique_ptr<platform::WritableFile> openForWriting(const char*,
                                                         platform::WriteMode) override {
    return std::make_unique<FailingFile>(writeFails_, closeFails_);
  }

 private:
  bool writeFails_;
  bool closeFails_;
};

TEST_F(CabrilloWriterTest, FailedWriteOrCloseIsReportedAsNotWritten) {
  for (bool writeFails : {true, false}) {
    FailingFileEnv env(writeFails, !writeFails);
    CStationData station = filledStation();
    EXPECT_EQ(station.WriteCabrillo(735, env).str(), "File not written: Q1_QQQ_P.cbr");
  }
}

TEST_F(CabrilloWriterTest, FileThatCannotBeCreatedIsReportedAsNotWritten) {
  CStationData station = filledStation();
  env_.failWritesAfter = 0;
  EXPECT_EQ(station.WriteCabrillo(735, env_).str(), "File not written: Q1_QQQ_P.cbr");
  EXPECT_FALSE(testing_support::fileExists("Q1_QQQ_P.cbr"));

  env_.failWritesAfter = -1;
  std::filesystem::create_directory("Q1_QQQ_P.cbr");
  EXPECT_EQ(station.WriteCabrillo(735, env_).str(), "File not written: Q1_QQQ_P.cbr");
}

}  // namespace
