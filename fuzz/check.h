#ifndef ZVK_FUZZ_CHECK_H_
#define ZVK_FUZZ_CHECK_H_

// Stops the fuzzer with `what` as the error summary when an invariant fails.
// The summary goes to the sanitizer's report file, which libFuzzer keeps open
// even when it closes the target's standard error (-close_fd_mask=2).
void require(bool condition, const char* what);

#endif  // ZVK_FUZZ_CHECK_H_
