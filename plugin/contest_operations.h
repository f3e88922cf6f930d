#ifndef ZVK_PLUGIN_CONTEST_OPERATIONS_H_
#define ZVK_PLUGIN_CONTEST_OPERATIONS_H_

#include <cstdint>

#include "platform/env.h"
#include "platform/ole_date_time.h"

// The operations that span several subsystems, run on the contest state.

// The set's display name: "ZVK-CW-CONTEST (C)" for index 0, else "".
const char* setName(int index);
// The setup command's message box.
void showSetupMessage(platform::Env& env);

struct ResetRequest {
  std::int32_t makeCabrillo;
  CString contestant;
  COleDateTime periodStart;
  COleDateTime periodEnd;
};
// Starts the statistics afresh; always 1.
int resetStatistics(const ResetRequest& request, platform::Env& env);
// Rebuilds the summary text and returns it (owned by the plug-in). `out`
// receives -1 after a Cabrillo pass; null skips that write.
const char* buildResult(std::int32_t* out, platform::Env& env);

#endif  // ZVK_PLUGIN_CONTEST_OPERATIONS_H_
