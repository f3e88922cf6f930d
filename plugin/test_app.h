#ifndef ZVK_PLUGIN_TEST_APP_H_
#define ZVK_PLUGIN_TEST_APP_H_

#include "platform/object.h"

// The library's application object: loading and unloading do nothing beyond
// building and tearing down the contest state.
class CTestApp : public CWinApp {};

#endif  // ZVK_PLUGIN_TEST_APP_H_
