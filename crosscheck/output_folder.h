#ifndef ZVK_CROSSCHECK_OUTPUT_FOLDER_H_
#define ZVK_CROSSCHECK_OUTPUT_FOLDER_H_

#include <functional>
#include <stdexcept>
#include <string>
#include <string_view>

namespace crosscheck {

// The output folder cannot be made; the message names the path and why.
class OutputError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// Writes a whole folder or nothing: `fill` writes into a fresh temporary
// folder beside `dir`, which then takes the place of `dir` (an existing one
// is replaced only now). On any failure the temporary folder is removed and
// `dir` left as it was. Throws OutputError.
void writeFolderWhole(const std::string& dir, const std::function<void(const std::string&)>& fill);

// Writes what `write` puts out to `path` whole; throws OutputError.
void writeTextFile(const std::string& path, const std::function<void(std::ostream&)>& write);

// Writes `text` to `path` whole with one system call, as thousands of
// reports and pages are; throws OutputError.
void writeTextFile(const std::string& path, std::string_view text);

}  // namespace crosscheck

#endif  // ZVK_CROSSCHECK_OUTPUT_FOLDER_H_
