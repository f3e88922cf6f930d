#include "crosscheck/results.h"

namespace crosscheck {
namespace {

constexpr const char* kResultNames[kResultCount] = {
    "ok",
    "not-contest",
    "outside-period",
    "dupe",
    "not-in-log",
    "busted-call",
    "busted-exchange",
    "unique",
    "partner-busted-call",
    "partner-busted-exchange",
};

}  // namespace

const char* resultName(Result result) { return kResultNames[static_cast<int>(result)]; }

std::optional<Result> resultFromName(std::string_view name) {
  for (int i = 0; i < kResultCount; ++i) {
    if (name == kResultNames[i]) return static_cast<Result>(i);
  }
  return std::nullopt;
}

}  // namespace crosscheck
