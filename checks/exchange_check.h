#ifndef ZVK_CHECKS_EXCHANGE_CHECK_H_
#define ZVK_CHECKS_EXCHANGE_CHECK_H_

// 1 when `exch` is an acceptable exchange: a number of three digits other
// than 599 or of four digits, or a text of more than five bytes holding the
// marker "JXW". 0 otherwise, also for a null text.
int isValidExchange(const char* exch);

#endif  // ZVK_CHECKS_EXCHANGE_CHECK_H_
