#ifndef ZVK_FUZZ_TEXT_FILE_H_
#define ZVK_FUZZ_TEXT_FILE_H_

#include <string>
#include <vector>

// Whole contents of a file, "" when it cannot be read.
std::string readTextFile(const std::string& path);
bool endsWith(const std::string& text, const std::string& end);
// The lines of `text`, each with its CR LF; stops the fuzzer when a CR or LF
// stands anywhere but in a line's CR LF end, or the last line has none.
std::vector<std::string> crLfLines(const std::string& text);

#endif  // ZVK_FUZZ_TEXT_FILE_H_
