// An allocation that fails inside an export never reaches the host: the
// export answers with its defined result. The test program replaces the
// global allocator, which the loaded plug-in uses too, and fails it on demand.
#include <dlfcn.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <functional>
#include <new>
#include <string>

#include "plugin/export_calls.h"
#include "tests/support/stats_library.h"

namespace {

bool g_failAllocations = false;

void* allocate(std::size_t size) {
  void* memory = g_failAllocations ? nullptr : std::malloc(size ? size : 1);
  if (!memory) throw std::bad_alloc();
  return memory;
}

// What an export returned when every allocation failed, or that an exception escaped it.
struct Outcome {
  bool escaped = false;
  int result = -1;
};

Outcome callWithoutMemory(const std::function<int()>& exportCall) {
  Outcome outcome;
  g_failAllocations = true;
  try {
    outcome.result = exportCall();
  } catch (...) {
    outcome.escaped = true;
  }
  g_failAllocations = false;
  return outcome;
}

class AllocationFailureTest : public ::testing::Test {
 protected:
  void SetUp() override {
    library_ = dlopen(ZVK_STATS_LIBRARY, RTLD_NOW | RTLD_LOCAL);
    ASSERT_NE(library_, nullptr) << dlerror();
    std::string missing;
    auto lookup = [this](const char* name) { return dlsym(library_, name); };
    ASSERT_TRUE(testing_support::resolveExports(lookup, testing_support::kPlainNames, &x, &missing))
        << missing;
  }
  void TearDown() override {
    if (library_) dlclose(library_);
  }

  testing_support::Exports x{};

 private:
  void* library_ = nullptr;
};

// Texts too long to be kept without an allocation.
const char* const kLong = "Q1LONGCALLSIGNTHATNEEDSROOMONTHEHEAP/PORTABLE";

TEST_F(AllocationFailureTest, ExportsAnswerWithTheirDefinedResults) {
  const COleDateTime when(42533.5, COleDateTime::valid);
  export_calls::ResetArguments reset({kLong, &when});
  reset.contestant = kLong;
  reset.periodStart = reset.periodEnd = &when;
  export_calls::QsoArguments qso({kLong, &when});
  for (const char** named :
       {&qso.myCall, &qso.call, &qso.mode, &qso.rstSent, &qso.rstRcvd, &qso.exchSent, &qso.exchRcvd,
        &qso.hostTextA, &qso.hostTextB, &qso.band}) {
    *named = kLong;
  }
  qso.qsoTime = &when;
  qso.frequency = 14025000;
  const Outcome resetOutcome =
      callWithoutMemory([&] { return export_calls::call(x.resetStats, reset); });
  const Outcome add = callWithoutMemory([&] { return export_calls::call(x.addData, qso); });
  const Outcome remove = callWithoutMemory([&] { return export_calls::call(x.removeData, qso); });
  EXPECT_FALSE(resetOutcome.escaped);
  EXPECT_EQ(resetOutcome.result, 1);
  EXPECT_FALSE(add.escaped);
  EXPECT_EQ(add.result, 0);
  EXPECT_FALSE(remove.escaped);
  EXPECT_EQ(remove.result, 0);
}

}  // namespace

void* operator new(std::size_t size) { return allocate(size); }
void* operator new[](std::size_t size) { return allocate(size); }
void operator delete(void* memory) noexcept { std::free(memory); }
void operator delete[](void* memory) noexcept { std::free(memory); }
void operator delete(void* memory, std::size_t) noexcept { std::free(memory); }
void operator delete[](void* memory, std::size_t) noexcept { std::free(memory); }
