#ifndef ZVK_HOST_PROGRESS_H_
#define ZVK_HOST_PROGRESS_H_

#include <cstddef>

namespace host {

// A progress bar on standard error, shown only when standard error is a
// terminal and the log is large enough to make the operator wait.
class Progress {
 public:
  // Drawn as "<action> [####....] 40% (done/total <items>)".
  explicit Progress(std::size_t total, const char* action = "Scoring", const char* items = "QSOs");
  ~Progress();
  Progress(const Progress&) = delete;
  Progress& operator=(const Progress&) = delete;

  void advance();

 private:
  void draw() const;

  std::size_t total_;
  const char* action_;
  const char* items_;
  std::size_t done_ = 0;
  int shownPercent_ = -1;
  bool visible_;
};

}  // namespace host

#endif  // ZVK_HOST_PROGRESS_H_
