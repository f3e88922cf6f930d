#ifndef ZVK_TESTS_FAULTS_CONTEST_FIXTURE_H_
#define ZVK_TESTS_FAULTS_CONTEST_FIXTURE_H_

#include <cstdint>
#include <string>

#include "tests/support/fake_env.h"
#include "tests/support/temp_dir.h"

namespace testing_support {

// Runs the exports' operations on the process-wide contest state with a
// FakeEnv whose files are real, so that real faults reach them, and whose
// dialog accepts the Cabrillo header data as shown. The contest runs from
// 12 to 13 June 2016; its statistics file is StatsZVK_13_06_2016.txt.
class ContestFixture : public TempDirTest {
 protected:
  void SetUp() override;

  void reset(int makeCabrillo, const char* contestant = "Q1QQQ");
  // Adds a CW QSO; returns AddData0's answer.
  int add(const char* call, const char* band, const char* exchRcvd);
  std::string result();
  // The last message box's text, "" when none was shown.
  std::string lastMessage() const;

  FakeEnv env;
  std::int32_t out = 0;
};

// The summary after adding Q2QQ (NM) and Q3QQ (1234) on 20m for Q1QQQ.
extern const char kTwoQsoSummary[];

}  // namespace testing_support

#endif  // ZVK_TESTS_FAULTS_CONTEST_FIXTURE_H_
